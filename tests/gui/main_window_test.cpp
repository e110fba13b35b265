// The real windows: their layout at two scales, the keyboard, and the events that reach the launcher.
#include "window_fixture.h"

#include <commctrl.h>

#include "config_text.h"
#include "ui/win32/pictures.h"

namespace vexar::testing {
namespace {

using win32::ControlId;

// Returns the frame's and every control's rectangle on the screen, after expecting the client area to be
// `width` x `height` at 96 dpi scaled to `dpi` and to hold every control, none overlapping.
std::vector<RECT> LaidOut(HWND window, int width, int height, int dpi) {
    RECT client{}, frame{};
    ::GetClientRect(window, &client);
    EXPECT_EQ(client.right, ::MulDiv(width, dpi, 96));
    EXPECT_EQ(client.bottom, ::MulDiv(height, dpi, 96));
    ::GetWindowRect(window, &frame);
    std::vector<RECT> rects{frame};
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{}, inside{};
        ::GetWindowRect(child, &rect);
        for (auto other = rects.begin() + 1; other != rects.end(); ++other) {
            EXPECT_FALSE(::IntersectRect(&inside, &rect, &*other)) << rects.size();
        }
        rects.push_back(rect);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_TRUE(::IntersectRect(&inside, &rect, &client) && ::EqualRect(&inside, &rect)) << rects.size();
    }
    return rects;
}

// Tells `window` that its monitor's dpi is now `dpi`, suggesting a frame around the scaled client area.
void ChangeDpi(HWND window, int width, int height, int dpi) {
    RECT frame{}, client{};
    ::GetWindowRect(window, &frame);
    ::GetClientRect(window, &client);
    frame.right += ::MulDiv(width, dpi, 96) - client.right;
    frame.bottom += ::MulDiv(height, dpi, 96) - client.bottom;
    ::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&frame));
}

TEST_F(WindowTest, LayoutFitsAndScalesBackAndForth) {
    Open();
    form->txtShowNotes_DblClick();
    // The text boxes' fonts in hundredths of a point: 12 bold list, 8.25 command and notes, 12 enlarged
    // notes.
    const std::vector<std::pair<HWND, int>> fonts{
        {Control(ControlId::kTxtLauncher), 1200},
        {Control(ControlId::kTxtCommand), 825},
        {Control(ControlId::kTxtShowNotes), 825},
        {notes_window->Control(win32::NotesControlId::kTxtShowNotes), 1200}};
    const std::vector<RECT> main96 = LaidOut(window->hwnd(), 621, 166, 96);
    const std::vector<RECT> notes96 = LaidOut(notes_window->hwnd(), 697, 278, 96);
    for (const int dpi : {144, 96}) {
        ChangeDpi(window->hwnd(), 621, 166, dpi);
        ChangeDpi(notes_window->hwnd(), 697, 278, dpi);
        const std::vector<RECT> main = LaidOut(window->hwnd(), 621, 166, dpi);
        const std::vector<RECT> enlarged = LaidOut(notes_window->hwnd(), 697, 278, dpi);
        for (const auto& [control, points] : fonts) {
            LOGFONTW font{};
            ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
                         &font);
            EXPECT_EQ(font.lfHeight, -::MulDiv(points, dpi, 7200)) << points;
        }
        for (std::size_t k = 0; dpi == 96 && k < main.size(); ++k)
            EXPECT_TRUE(::EqualRect(&main[k], &main96[k]));
        for (std::size_t k = 0; dpi == 96 && k < enlarged.size(); ++k)
            EXPECT_TRUE(::EqualRect(&enlarged[k], &notes96[k]));
    }
}

// Returns a hash of the pixels of `window`'s client area as shown on the screen.
std::uint32_t PixelHash(HWND window) {
    ::UpdateWindow(window);
    RECT client{};
    ::GetClientRect(window, &client);
    HDC screen = ::GetDC(window);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0},
                    {}};
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (const auto* byte = static_cast<const unsigned char*>(bits);
         byte != static_cast<const unsigned char*>(bits) + 4 * client.right * client.bottom; ++byte) {
        hash = (hash ^ *byte) * 16777619u;
    }
    ::SelectObject(memory, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(window, screen);
    return hash;
}

// The windows drawn as designed - pictures, colours, the pressed emblem and the focus rectangle - at 96 and
// at 144 dpi. A change of look that is meant shows the new hashes in the failure message.
TEST_F(WindowTest, TheWindowsLookAsDesigned) {
    fakes.files.AddFile("Configs\\a.cfg",
                        ConfigText(ConfigValues{"Alpha", "Notes of Alpha", "", "", "", "", "", ""}));
    Open();
    Press(VK_DOWN);
    form->txtShowNotes_DblClick();
    ::SetFocus(Control(ControlId::kCmdLaunchGame));
    ::SendMessageW(Control(ControlId::kCmdLaunchGame), BM_SETSTATE, TRUE, 0);
    Pump();
    std::vector<std::uint32_t> hashes{PixelHash(window->hwnd()), PixelHash(notes_window->hwnd())};
    ChangeDpi(window->hwnd(), 621, 166, 144);
    hashes.push_back(PixelHash(window->hwnd()));
    EXPECT_EQ(hashes, (std::vector<std::uint32_t>{212854972u, 2931598613u, 3031250787u}));
}

TEST_F(WindowTest, PushButtonsHaveNames) {
    Open();
    form->txtShowNotes_DblClick();
    for (HWND frame : {window->hwnd(), notes_window->hwnd()}) {
        for (HWND child = ::GetWindow(frame, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            wchar_t name[64] = {};
            const bool button = (::GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW &&
                                ::GetClassNameW(child, name, 64) && std::wstring(name) == L"Button";
            EXPECT_TRUE(!button || ::GetWindowTextW(child, name, 64) > 0) << ::GetDlgCtrlID(child);
        }
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
    // A double click is two presses, as on any push button.
    for (const UINT mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        ::SendMessageW(Control(ControlId::kCmdLaunchGame), mouse, mouse == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                       MAKELPARAM(5, 5));
    }
    EXPECT_EQ(fakes.shell.calls.size(), 3u);
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

TEST_F(WindowTest, ButtonsReachTheirHandlers) {
    Open();
    ::SendMessageW(Control(ControlId::kCmdHelp), BM_CLICK, 0, 0);  // no manual in the double's folder
    EXPECT_EQ(window->NotesText().substr(0, 24), "Manual is not installed.");
    ::SendMessageW(Control(ControlId::kCmdMinimize), BM_CLICK, 0, 0);
    EXPECT_TRUE(::IsIconic(window->hwnd()));
    ::SendMessageW(Control(ControlId::kCommand1), BM_CLICK, 0, 0);
    EXPECT_EQ(window->hwnd(), nullptr);
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
