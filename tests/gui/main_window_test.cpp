// The real windows: their look, layout and names at two scales, the keyboard, the events that reach the
// launcher, and the notes window's life beside its owner.
#include "window_fixture.h"

#include <commctrl.h>

#include "ui/win32/gdi.h"
#include "ui/win32/late_calls.h"

namespace vexar::testing {
namespace {

using win32::ControlId;

// Expects the client area of `window` to be `width` x `height` at 96 dpi scaled to `dpi`, every control
// inside it, none overlapping, every push button named.
void LaidOut(HWND window, int width, int height, int dpi) {
    RECT client{};
    ::GetClientRect(window, &client);
    EXPECT_EQ(client.right, ::MulDiv(width, dpi, 96));
    EXPECT_EQ(client.bottom, ::MulDiv(height, dpi, 96));
    std::vector<RECT> rects;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{}, inside{};
        ::GetWindowRect(child, &rect);
        for (const RECT& other : rects) EXPECT_FALSE(::IntersectRect(&inside, &rect, &other)) << rects.size();
        rects.push_back(rect);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_TRUE(::IntersectRect(&inside, &rect, &client) && ::EqualRect(&inside, &rect)) << rects.size();
        wchar_t name[16] = {};
        const bool button = ::GetClassNameW(child, name, 16) && std::wstring(name) == L"Button";
        EXPECT_TRUE(!button || ::GetWindowTextW(child, name, 16) > 0) << "a push button without a name";
    }
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

// Returns a hash (FNV-1a) of the pixels of `window`'s client area as shown.
std::uint32_t PixelHash(HWND window) {
    ::UpdateWindow(window);
    RECT client{};
    ::GetClientRect(window, &client);
    HDC screen = ::GetDC(window);
    const win32::UniqueDc memory(::CreateCompatibleDC(screen));
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0},
                    {}};
    void* bits = nullptr;
    const win32::UniqueBitmap bitmap(::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const win32::SelectedObject selected(memory.get(), bitmap.get());
    ::BitBlt(memory.get(), 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    ::ReleaseDC(window, screen);
    std::uint32_t hash = 2166136261u;
    const auto* pixels = static_cast<const unsigned char*>(bits);
    for (LONG k = 0; k < 4 * client.right * client.bottom; ++k) hash = (hash ^ pixels[k]) * 16777619u;
    return hash;
}

// Both windows drawn as designed - pictures, colours, fonts, the pressed emblem and the focus rectangle -
// and laid out at 96 dpi, at 144 and back to exactly the first look. A change of look that is meant shows
// the new hashes on failure.
TEST_F(WindowTest, LookAndLayoutFollowTheDesignAtEveryScale) {
    Open();
    Press(VK_DOWN);
    form->txtShowNotes_DblClick();
    ::SetFocus(Control(ControlId::kCmdLaunchGame));
    ::SendMessageW(Control(ControlId::kCmdLaunchGame), BM_SETSTATE, TRUE, 0);
    Pump();
    // The tool tips come with the loop's first turn: every control but the pictures has its tip.
    HDC screen = nullptr;  // where older Windows tell the dpi
    if (const win32::ScreenDc owner; owner) screen = owner.get();
    EXPECT_TRUE(screen && !::ReleaseDC(nullptr, screen)) << "the screen's context, released by its owner";
    HWND tips = ::FindWindowW(TOOLTIPS_CLASSW, nullptr);
    EXPECT_EQ(::GetWindow(tips, GW_OWNER), window->hwnd());
    EXPECT_EQ(::SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 8) << "the game list's text field has one too";
    // Back at 96 dpi, both windows look exactly as at first: the same hashes.
    std::vector<std::uint32_t> hashes;
    for (const int dpi : {96, 144, 96}) {
        if (!hashes.empty())
            ChangeDpi(window->hwnd(), 621, 166, dpi), ChangeDpi(notes_window->hwnd(), 697, 278, dpi);
        LaidOut(window->hwnd(), 621, 166, dpi);
        LaidOut(notes_window->hwnd(), 697, 278, dpi);
        hashes.insert(hashes.end(), {PixelHash(window->hwnd()), PixelHash(notes_window->hwnd())});
    }
    // At 144 dpi the system stretches the pictures (StretchBlt, HALFTONE): Wine's 32-bit GDI gives four
    // pixels of the minimise glyph one grey level less than its 64-bit GDI does.
#if defined(_WIN64)
    const std::uint32_t main_at_144 = 2790786684u;
#else
    const std::uint32_t main_at_144 = 4008071068u;
#endif
    EXPECT_EQ(hashes, (std::vector<std::uint32_t>{899656707u, 2051024221u, main_at_144, 3669516412u,
                                                  899656707u, 2051024221u}));
}

TEST_F(WindowTest, TabWalksTheControlsAndEnterOrEscPressesNothing) {
    Open();
    for (const ControlId next : {ControlId::kTxtCommand, ControlId::kCmdLaunchGame, ControlId::kCmdMinimize,
                                 ControlId::kCommand1, ControlId::kCmdHelp, ControlId::kTxtLauncher}) {
        Press(VK_TAB);
        EXPECT_TRUE(::GetFocus() == Control(next) || ::IsChild(Control(next), ::GetFocus())) << int(next);
    }
    Press(VK_DOWN);
    ::SetFocus(Control(ControlId::kTxtShowNotes));
    Press(VK_TAB);
    EXPECT_NE(::GetFocus(), Control(ControlId::kTxtShowNotes)) << "Tab leaves the notes box";
    for (const ControlId id : {ControlId::kTxtLauncher, ControlId::kTxtCommand, ControlId::kTxtShowNotes}) {
        ::SetFocus(Control(id));
        Press(VK_RETURN);
        Press(VK_ESCAPE);
    }
    EXPECT_TRUE(fakes.shell.calls.empty());
    ASSERT_NE(window->hwnd(), nullptr) << "Esc closed the window";
    ::SetFocus(Control(ControlId::kCmdLaunchGame));  // a focused button is pressed by Enter as usual
    Press(VK_RETURN);
    // A double click is two presses, as on any push button.
    for (const UINT mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        ::SendMessageW(Control(ControlId::kCmdLaunchGame), mouse, mouse == WM_LBUTTONUP ? 0 : MK_LBUTTON, 0);
    EXPECT_EQ(fakes.shell.calls.size(), 3u);
}

TEST_F(WindowTest, ChoicesEditsFocusMovesAndButtonsReachTheLauncher) {
    Open();
    Press(VK_DOWN);
    EXPECT_EQ(window->ListText() + "|" + window->NotesText(), "Alpha|Alpha notes")
        << "the list keeps its order";
    // Texts reach the controls as the characters they are: list entries, notes and (below) the caption.
    HWND list = Control(ControlId::kTxtLauncher);
    wchar_t text[16] = {};
    ::SendMessageW(list, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"Br\u00E5vo \u30B2\u30FC\u30E0");
    // Dropping the list down and closing it is no loss of focus (which would read the file again).
    window->SetNotesText("kept \xC3\xBC\xE2\x82\xAC");
    ::SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
    ::SendMessageW(list, CB_SHOWDROPDOWN, FALSE, 0);
    Pump();
    ::GetWindowTextW(Control(ControlId::kTxtShowNotes), text, 16);
    EXPECT_STREQ(text, L"kept \u00FC\u20AC");
    // A click on an entry whose title holds a NUL byte chooses it.
    ::SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ::GetComboBoxInfo(list, &info);
    RECT entry{};
    ::SendMessageW(info.hwndList, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&entry));
    for (const UINT mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP})
        ::SendMessageW(info.hwndList, mouse, mouse == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                       MAKELPARAM(4, entry.top + 4));
    Pump();
    EXPECT_EQ(window->NotesText(), "Delta notes");
    // Typing makes the text no choice: leaving the list asks for an entry.
    ::SendMessageW(::GetFocus(), WM_CHAR, L'x', 1);
    Press(VK_TAB);
    EXPECT_EQ(window->NotesText(), "Please choose only items from the list.");
    // Leaving the command box runs its keywords; a double-click on the notes opens them enlarged.
    window->SetCommandText("SetTitle My G\xC3\xA4mes");
    Press(VK_TAB);
    ::GetWindowTextW(window->hwnd(), text, 16);
    EXPECT_STREQ(text, L"My G\u00E4mes");
    ::SendMessageW(Control(ControlId::kTxtShowNotes), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    EXPECT_TRUE(::IsWindowVisible(notes_window->hwnd()));
    ::SendMessageW(Control(ControlId::kCmdHelp), BM_CLICK, 0, 0);  // no manual in the double's folder
    EXPECT_EQ(window->NotesText().substr(0, 24), "Manual is not installed.");
    ::SendMessageW(Control(ControlId::kCmdMinimize), BM_CLICK, 0, 0);
    EXPECT_TRUE(::IsIconic(window->hwnd()));
    ::SendMessageW(Control(ControlId::kCommand1), BM_CLICK, 0, 0);
    EXPECT_EQ(window->hwnd(), nullptr);
}

TEST_F(WindowTest, OneNotesWindowWithTheLatestNotesFollowingItsOwner) {
    fakes.files.AddFile("IsCD.txt");
    fakes.files.AddFolder("C:\\vexardat");
    Open();
    window->SetNotesText("first");
    form->txtShowNotes_DblClick();
    HWND first = notes_window->hwnd();
    ASSERT_TRUE(::IsWindowVisible(first));
    EXPECT_EQ(::GetWindow(first, GW_OWNER), window->hwnd());
    window->SetNotesText("second");
    form->txtShowNotes_DblClick();
    EXPECT_EQ(notes_window->hwnd(), first) << "the open window is reused";
    wchar_t text[16] = {};
    ::GetWindowTextW(notes_window->Control(win32::NotesControlId::kTxtShowNotes), text, 16);
    EXPECT_STREQ(text, L"second");

    ::ShowWindow(window->hwnd(), SW_MINIMIZE);
    Pump();
    EXPECT_FALSE(::IsWindowVisible(first));
    ::ShowWindow(window->hwnd(), SW_RESTORE);
    Pump();
    EXPECT_TRUE(::IsWindowVisible(first));

    // Its button and its close box close it; the next double-click makes it anew.
    for (const UINT close : {UINT{WM_COMMAND}, UINT{WM_CLOSE}}) {
        const WPARAM button = MAKEWPARAM(static_cast<int>(win32::NotesControlId::kCommand1), BN_CLICKED);
        ::SendMessageW(notes_window->hwnd(), close, close == WM_COMMAND ? button : 0, 0);
        EXPECT_EQ(notes_window->hwnd(), nullptr);
        EXPECT_NE(window->hwnd(), nullptr);
        form->txtShowNotes_DblClick();
        ASSERT_TRUE(::IsWindowVisible(notes_window->hwnd()));
    }
    // It goes with its owner, which its close box unloads: the clean-up asks first, the message loop ends.
    HWND last = notes_window->hwnd();
    ::SendMessageW(window->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(fakes.boxes.shown.at(0).title, "Remove Files?");
    EXPECT_FALSE(::IsWindow(last));
    EXPECT_EQ(notes_window->hwnd(), nullptr);
    Pump();
    EXPECT_TRUE(quit);
}

}  // namespace
}  // namespace vexar::testing

// The window tests' entry: common controls and OLE, as the program sets them up.
int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    vexar::win32::late::InitCommonControlsEx(&controls);
    const vexar::win32::OleSession ole;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
