// The notes window as built and as it opens, refreshes, closes and follows its owner.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window_fixture.h"

namespace vexar::testing {
namespace {

using win32::NotesControlId;

std::vector<HWND> NotesWindowsOfThisThread() {
    std::vector<HWND> found;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hwnd, LPARAM list) -> BOOL {
            if (ClassOf(hwnd) == win32::NotesWindow::kClassName) {
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The real main window and notes window at 96 dpi, wired as the program wires them, over the doubles.
class NotesWindowTest : public WindowTest {
protected:
    void SetUp() override {
        Make(96, NotesKind::kReal);
        window->Show();
        Pump();
    }

    // The user double-clicks the main window's notes box while it shows `text`. (The first click moves
    // the focus there, which makes the game list reselect; the text is set after that.)
    void DoubleClickNotes(std::string_view text = "") {
        HWND box = Control(win32::ControlId::kTxtShowNotes);
        ::SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        ::SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        Pump();
        window->SetNotesText(text);
        ::SendMessageW(box, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
        ::SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        Pump();
    }

    HWND Notes() const { return notes_window->hwnd(); }
    std::wstring NotesText() const {
        return WideTextOf(notes_window->Control(NotesControlId::kTxtShowNotes));
    }
};

TEST_F(NotesWindowTest, FrameControlsAndFontAreAsDesigned) {
    DoubleClickNotes();
    HWND hwnd = Notes();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(WideTextOf(hwnd), L"Selection Notes");
    EXPECT_EQ(::GetWindow(hwnd, GW_OWNER), window->hwnd());
    RECT client{};
    ::GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 697);
    EXPECT_EQ(client.bottom, 278);
    ExpectFixedToolFrame(hwnd);

    struct Designed {
        NotesControlId id;
        const wchar_t* window_class;
        RECT rect;
    };
    for (const Designed& designed : {Designed{NotesControlId::kTxtShowNotes, L"Edit", {4, 4, 634, 273}},
                                     Designed{NotesControlId::kCommand1, L"Button", {640, 248, 691, 274}},
                                     Designed{NotesControlId::kImgFire1, L"Static", {640, 28, 687, 244}}}) {
        HWND control = notes_window->Control(designed.id);
        EXPECT_EQ(ClassOf(control), designed.window_class);
        const RECT rect = ClientRectOf(control);
        EXPECT_TRUE(::EqualRect(&rect, &designed.rect))
            << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom;
    }

    HWND box = notes_window->Control(NotesControlId::kTxtShowNotes);
    ExpectReadOnlyNotesBox(box);
    const LOGFONTW font = FontOf(box);
    EXPECT_STREQ(font.lfFaceName, L"MS Sans Serif");
    EXPECT_EQ(font.lfHeight, -16);  // 12 point at 96 dpi
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(::SendMessageW(hwnd, DM_GETDEFID, 0, 0) & 0xFFFF, 0);
}

TEST_F(NotesWindowTest, OpensWithTheCurrentNotesAndTheFocusInTheBox) {
    DoubleClickNotes("Line one of the notes.\r\nLine two.");
    ASSERT_NE(Notes(), nullptr);
    EXPECT_TRUE(::IsWindowVisible(Notes()));
    EXPECT_EQ(NotesText(), L"Line one of the notes.\r\nLine two.");
    EXPECT_EQ(::GetFocus(), notes_window->Control(NotesControlId::kTxtShowNotes));
    EXPECT_TRUE(fakes.boxes.shown.empty());
}

TEST_F(NotesWindowTest, SecondDoubleClickReusesTheWindowWithFreshText) {
    DoubleClickNotes("first");
    HWND first = Notes();
    window->SetNotesText("second");
    EXPECT_EQ(NotesText(), L"first");
    DoubleClickNotes("second");
    EXPECT_EQ(Notes(), first);
    EXPECT_EQ(NotesWindowsOfThisThread(), std::vector<HWND>{first});
    EXPECT_EQ(NotesText(), L"second");
}

TEST_F(NotesWindowTest, CloseButtonAndCloseBoxUnloadAndTheNextOpenIsFresh) {
    DoubleClickNotes("old");
    ::SendMessageW(notes_window->Control(NotesControlId::kCommand1), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(Notes(), nullptr);
    EXPECT_TRUE(NotesWindowsOfThisThread().empty());
    EXPECT_TRUE(::IsWindowVisible(window->hwnd()));

    DoubleClickNotes("new");
    ASSERT_NE(Notes(), nullptr);
    EXPECT_EQ(NotesText(), L"new");
    ::SendMessageW(Notes(), WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
    EXPECT_EQ(Notes(), nullptr);
    EXPECT_NE(window->hwnd(), nullptr);
}

TEST_F(NotesWindowTest, EscapeAndDoubleClickInsideChangeNothing) {
    DoubleClickNotes("notes");
    HWND box = notes_window->Control(NotesControlId::kTxtShowNotes);
    ::PostMessageW(box, WM_KEYDOWN, VK_ESCAPE, 1);
    ::PostMessageW(box, WM_KEYUP, VK_ESCAPE, 0xC0000001);
    ::PostMessageW(box, WM_CHAR, 'x', 1);
    ::SendMessageW(box, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump();
    ASSERT_NE(Notes(), nullptr);
    EXPECT_EQ(NotesText(), L"notes");
    EXPECT_EQ(NotesWindowsOfThisThread().size(), 1u);
}

TEST_F(NotesWindowTest, HiddenWhileTheOwnerIsMinimisedAndGoneWithIt) {
    DoubleClickNotes();
    ASSERT_NE(Notes(), nullptr);
    form->cmdMinimize_Click();
    Pump();
    EXPECT_TRUE(::IsIconic(window->hwnd()));
    EXPECT_FALSE(::IsWindowVisible(Notes()));
    ::ShowWindow(window->hwnd(), SW_RESTORE);
    Pump();
    EXPECT_TRUE(::IsWindowVisible(Notes()));

    form->Command1_Click();
    Pump();
    EXPECT_EQ(window->hwnd(), nullptr);
    EXPECT_EQ(Notes(), nullptr);
    EXPECT_TRUE(NotesWindowsOfThisThread().empty());
}

}  // namespace
}  // namespace vexar::testing
