// The real windows: their layout at two scales, the keyboard, and the events that reach the launcher.
#include "window_fixture.h"

#include <commctrl.h>

#include "config_text.h"
#include "ui/win32/pictures.h"

namespace vexar::testing {
namespace {

using win32::ControlId;

// Expects `window`'s client area to be `width` x `height` and to hold every control, none overlapping.
void ExpectLaidOut(HWND window, int width, int height) {
    RECT client{};
    ::GetClientRect(window, &client);
    EXPECT_EQ(client.right, width);
    EXPECT_EQ(client.bottom, height);
    std::vector<RECT> rects;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{}, inside{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_TRUE(::IntersectRect(&inside, &rect, &client) && ::EqualRect(&inside, &rect)) << rects.size();
        for (const RECT& other : rects) EXPECT_FALSE(::IntersectRect(&inside, &rect, &other)) << rects.size();
        rects.push_back(rect);
    }
}

TEST_F(WindowTest, LayoutFitsAndScales) {
    std::vector<LONG> heights96;
    for (const int dpi : {96, 144}) {
        Open(dpi);
        form->txtShowNotes_DblClick();
        const auto scaled = [dpi](int pixels) { return ::MulDiv(pixels, dpi, 96); };
        ExpectLaidOut(window->hwnd(), scaled(621), scaled(166));
        ExpectLaidOut(notes_window->hwnd(), scaled(697), scaled(278));
        std::vector<LONG> heights;
        for (HWND control : {Control(ControlId::kTxtLauncher), Control(ControlId::kTxtCommand),
                             Control(ControlId::kTxtShowNotes),
                             notes_window->Control(win32::NotesControlId::kTxtShowNotes)}) {
            LOGFONTW font{};
            ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
                         &font);
            heights.push_back(font.lfHeight);
            if (dpi == 144) {
                EXPECT_EQ(font.lfHeight, scaled(heights96[heights.size() - 1]));
            }
        }
        heights96 = heights;
        TearDown();
    }
}

class LauncherWindowTest : public WindowTest {
protected:
    LauncherWindowTest() {
        for (const std::string title : {"Alpha", "Bravo"}) {
            fakes.files.AddFile(
                "Configs\\" + title + ".cfg",
                ConfigText(ConfigValues{title, title + " notes", "C:\\", "game.exe", "", "", "", ""}));
        }
    }
};

TEST_F(LauncherWindowTest, TabWalksTheControlsAndEnterOrEscPressesNothing) {
    Open();
    for (const ControlId next : {ControlId::kTxtCommand, ControlId::kCmdLaunchGame, ControlId::kCmdMinimize,
                                 ControlId::kCommand1, ControlId::kCmdHelp, ControlId::kTxtLauncher}) {
        Press(VK_TAB);
        EXPECT_EQ(Focused(), Control(next));
    }
    Press(VK_DOWN);
    ::SetFocus(Control(ControlId::kTxtShowNotes));
    Press(VK_TAB);
    EXPECT_NE(Focused(), Control(ControlId::kTxtShowNotes)) << "Tab leaves the notes box";
    for (const ControlId id : {ControlId::kTxtLauncher, ControlId::kTxtCommand, ControlId::kTxtShowNotes}) {
        ::SetFocus(Control(id));
        Press(VK_RETURN);
        Press(VK_ESCAPE);
    }
    EXPECT_TRUE(fakes.shell.calls.empty());
    ASSERT_NE(window->hwnd(), nullptr) << "Esc closed the window";
    ::SetFocus(Control(ControlId::kCmdLaunchGame));  // a focused button is pressed by Enter as usual
    Press(VK_RETURN);
    EXPECT_EQ(fakes.shell.calls.size(), 1u);
}

TEST_F(LauncherWindowTest, ChoicesEditsAndFocusMovesReachTheLauncher) {
    Open();
    Press(VK_DOWN);
    EXPECT_EQ(window->NotesText(), "Alpha notes");
    // Dropping the list down and closing it is no loss of focus (which would read the file again).
    window->SetNotesText("kept");
    ::SendMessageW(Control(ControlId::kTxtLauncher), CB_SHOWDROPDOWN, TRUE, 0);
    ::SendMessageW(Control(ControlId::kTxtLauncher), CB_SHOWDROPDOWN, FALSE, 0);
    Pump();
    EXPECT_EQ(window->NotesText(), "kept");
    // Typing makes the text no choice: leaving the list asks for an entry.
    ::SendMessageW(::GetFocus(), WM_CHAR, L'x', 1);
    Press(VK_TAB);
    EXPECT_EQ(window->NotesText(), "Please choose only items from the list.");
    // Leaving the command box runs its keywords; a double-click on the notes opens them enlarged.
    window->SetCommandText("SetTitle " + std::string(99, 'x'));
    Press(VK_TAB);
    EXPECT_EQ(fakes.boxes.shown.size(), 1u);
    ::SendMessageW(Control(ControlId::kTxtShowNotes), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(::IsWindowVisible(notes_window->hwnd()));
}

TEST_F(WindowTest, TheCloseBoxRunsTheUnloadHandlerBeforeTheWindowGoes) {
    fakes.files.AddFile("IsCD.txt");
    fakes.files.AddFolder("C:\\vexardat");
    Open();
    ::SendMessageW(window->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(fakes.boxes.shown.at(0).title, "Remove Files?");
    EXPECT_EQ(window->hwnd(), nullptr);
    Pump();
    EXPECT_TRUE(quit) << "the message loop ends with the window";
}

}  // namespace
}  // namespace vexar::testing

// The window tests' entry: common controls and OLE, as the program sets them up.
int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    const vexar::win32::OleSession ole;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
