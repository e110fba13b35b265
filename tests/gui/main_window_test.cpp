// The main window as built: frame, controls, geometry, fonts, styles, tool tips and scaling.
#include <windows.h>

#include <commctrl.h>

#include <map>
#include <string>

#include "resource_ids.h"
#include "window_fixture.h"

namespace vexar::testing {
namespace {

using win32::ControlId;

struct Designed {
    ControlId id;
    const wchar_t* window_class;
    int left, top, width, height;
};

const Designed kDesigned[] = {
    {ControlId::kCommand1, L"Button", 527, 104, 23, 26},
    {ControlId::kCmdMinimize, L"Button", 500, 104, 25, 26},
    {ControlId::kTxtCommand, L"Edit", 16, 136, 590, 19},
    {ControlId::kCmdHelp, L"Button", 552, 104, 22, 26},
    {ControlId::kTxtShowNotes, L"Edit", 48, 40, 446, 89},
    {ControlId::kCmdLaunchGame, L"Button", 500, 8, 74, 93},
    {ControlId::kTxtLauncher, L"ComboBox", 48, 8, 445, 28},
    {ControlId::kImgFire2, L"Static", 580, 8, 26, 120},
    {ControlId::kImgFire1, L"Static", 16, 8, 26, 120},
};

TEST_F(WindowTest, FrameIsAFixedBlackToolWindowCentredOnTheScreen) {
    HWND hwnd = window->hwnd();
    RECT client{};
    ::GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 621);
    EXPECT_EQ(client.bottom, 166);

    ExpectFixedToolFrame(hwnd);
    EXPECT_EQ(::GetWindow(hwnd, GW_OWNER), nullptr);
    EXPECT_FALSE(::IsWindowVisible(hwnd)) << "hidden until the start-up handlers have run";

    EXPECT_EQ(WideTextOf(hwnd), L"Vexar Launcher v3.0");
    EXPECT_EQ(::GetClassLongPtrW(hwnd, GCLP_HBRBACKGROUND),
              reinterpret_cast<LONG_PTR>(::GetStockObject(BLACK_BRUSH)));

    RECT frame{};
    ::GetWindowRect(hwnd, &frame);
    EXPECT_NEAR(frame.left + frame.right, ::GetSystemMetrics(SM_CXSCREEN), 1);
    EXPECT_NEAR(frame.top + frame.bottom, ::GetSystemMetrics(SM_CYSCREEN), 1);

    auto icon = reinterpret_cast<HICON>(::SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0));
    ICONINFO info{};
    ASSERT_TRUE(icon != nullptr && ::GetIconInfo(icon, &info));
    BITMAP colour{};
    ::GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 48);
    EXPECT_EQ(colour.bmHeight, 48);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
}

TEST_F(WindowTest, EachControlHasItsClassAndRectangle) {
    for (const Designed& d : kDesigned) {
        SCOPED_TRACE(static_cast<int>(d.id));
        HWND control = Control(d.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(::GetDlgCtrlID(control), static_cast<int>(d.id));
        EXPECT_EQ(ClassOf(control), d.window_class);
        const RECT rect = ClientRectOf(control);
        EXPECT_EQ(rect.left, d.left);
        EXPECT_EQ(rect.top, d.top);
        EXPECT_EQ(rect.right - rect.left, d.width);
        EXPECT_EQ(rect.bottom - rect.top, d.height);
        EXPECT_TRUE(::IsWindowEnabled(control));
        EXPECT_TRUE(::GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE);
    }
}

TEST_F(WindowTest, ControlStylesAsDesigned) {
    const LONG_PTR list = ::GetWindowLongPtrW(Control(ControlId::kTxtLauncher), GWL_STYLE);
    EXPECT_EQ(list & 0x3, CBS_DROPDOWN);
    EXPECT_FALSE(list & CBS_SORT);

    ExpectReadOnlyNotesBox(Control(ControlId::kTxtShowNotes));
    EXPECT_FALSE(::GetWindowLongPtrW(Control(ControlId::kTxtShowNotes), GWL_STYLE) & WS_TABSTOP);

    const LONG_PTR command = ::GetWindowLongPtrW(Control(ControlId::kTxtCommand), GWL_STYLE);
    EXPECT_FALSE(command & ES_MULTILINE);
    EXPECT_EQ(::SendMessageW(Control(ControlId::kTxtCommand), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE)
        << "no length limit";

    // Picture buttons: owner-drawn, no caption, never the default (Enter) or cancel (Esc) button.
    for (ControlId id :
         {ControlId::kCmdLaunchGame, ControlId::kCmdMinimize, ControlId::kCommand1, ControlId::kCmdHelp}) {
        HWND button = Control(id);
        EXPECT_EQ(::GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
        EXPECT_EQ(::GetWindowTextLengthW(button), 0);
        EXPECT_FALSE(::SendMessageW(button, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
    }
    for (const Designed& d : kDesigned) {
        EXPECT_NE(static_cast<int>(d.id), IDOK);
        EXPECT_NE(static_cast<int>(d.id), IDCANCEL);
    }
    EXPECT_NE(HIWORD(::SendMessageW(window->hwnd(), DM_GETDEFID, 0, 0)), DC_HASDEFID);
}

TEST_F(WindowTest, FontsAsDesigned) {
    struct Expected {
        ControlId id;
        LONG height;
        LONG weight;
    };
    // 12 point is 16 pixels at 96 dpi, 8.25 point 11 pixels.
    for (const Expected& e :
         {Expected{ControlId::kTxtLauncher, -16, FW_BOLD}, Expected{ControlId::kTxtCommand, -11, FW_BOLD},
          Expected{ControlId::kTxtShowNotes, -11, FW_NORMAL}}) {
        const LOGFONTW font = FontOf(Control(e.id));
        EXPECT_STREQ(font.lfFaceName, L"MS Sans Serif");
        EXPECT_EQ(font.lfHeight, e.height);
        EXPECT_EQ(font.lfWeight, e.weight);
        EXPECT_FALSE(font.lfItalic);
    }
}

TEST_F(WindowTest, EveryControlButThePicturesHasItsToolTip) {
    std::map<HWND, std::wstring> tips;
    HWND tooltips = window->ToolTips();
    const auto count = static_cast<int>(::SendMessageW(tooltips, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.lpszText = text;
        ASSERT_TRUE(::SendMessageW(tooltips, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool)));
        tips[reinterpret_cast<HWND>(tool.uId)] = text;
    }
    EXPECT_EQ(tips[Control(ControlId::kTxtLauncher)], L"Select the game you want to play from the list");
    EXPECT_EQ(tips[Control(ControlId::kTxtShowNotes)], L"Selection Notes (Double click to enlarge)");
    EXPECT_EQ(tips[Control(ControlId::kTxtCommand)],
              L"Add extra command line options here.  Current directory is the location of this launcher.");
    EXPECT_EQ(tips[Control(ControlId::kCmdLaunchGame)], L"Click here to launch the game");
    EXPECT_EQ(tips[Control(ControlId::kCmdMinimize)], L"Minimize the Vexar Launcher");
    EXPECT_EQ(tips[Control(ControlId::kCommand1)], L"Close Vexar Launcher");
    EXPECT_EQ(tips[Control(ControlId::kCmdHelp)], L"Open the Vexar Launcher Manual");
    EXPECT_EQ(tips.count(Control(ControlId::kImgFire1)), 0u);
    EXPECT_EQ(tips.count(Control(ControlId::kImgFire2)), 0u);
    // The game list's text field is a window of its own: the mouse over it shows the list's tip.
    EXPECT_EQ(tips[ListField()], L"Select the game you want to play from the list");
}

TEST_F(WindowTest, TabOrderRunsFromTheGameListToTheManualButtonAndSkipsTheNotes) {
    const ControlId order[] = {ControlId::kTxtLauncher, ControlId::kTxtCommand, ControlId::kCmdLaunchGame,
                               ControlId::kCmdMinimize, ControlId::kCommand1,   ControlId::kCmdHelp,
                               ControlId::kTxtLauncher};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        EXPECT_EQ(::GetNextDlgTabItem(window->hwnd(), Control(order[i]), FALSE), Control(order[i + 1]))
            << "after " << static_cast<int>(order[i]);
    }
}

TEST_F(WindowTest, AtAnotherDpiGeometryAndFontsScale) {
    window.reset();
    Make(144);
    RECT client{};
    ::GetClientRect(window->hwnd(), &client);
    EXPECT_EQ(client.right, 932);  // 621 * 1.5, rounded
    EXPECT_EQ(client.bottom, 249);
    const RECT launch = ClientRectOf(Control(ControlId::kCmdLaunchGame));
    EXPECT_EQ(launch.left, 750);
    EXPECT_EQ(launch.right - launch.left, 111);
    EXPECT_EQ(ClientRectOf(Control(ControlId::kTxtLauncher)).bottom - 12, 42) << "28 pixels scaled";
    EXPECT_EQ(FontOf(Control(ControlId::kTxtLauncher)).lfHeight, -24);
    EXPECT_EQ(FontOf(Control(ControlId::kTxtCommand)).lfHeight, -17);
}

TEST_F(WindowTest, PicturesHaveTheirDesignedSizes) {
    // Loading them again from the module as the window does: the JPEG glyphs decode through OLE.
    const HINSTANCE module = ::GetModuleHandleW(nullptr);
    struct Expected {
        int id;
        bool jpeg;
        LONG width, height;
    };
    for (const Expected& e :
         {Expected{VEXAR_IDR_CLOSE_GLYPH, true, 16, 25}, Expected{VEXAR_IDR_MINIMIZE_GLYPH, true, 21, 25},
          Expected{VEXAR_IDB_HELP_GLYPH, false, 16, 16}, Expected{VEXAR_IDB_LAUNCH_EMBLEM, false, 44, 46},
          Expected{VEXAR_IDB_PRESSED_EMBLEM, false, 44, 44},
          Expected{VEXAR_IDB_FIRE_COLUMN, false, 26, 96}}) {
        const win32::Picture picture =
            e.jpeg ? win32::LoadJpegPicture(module, e.id) : win32::LoadBitmapPicture(module, e.id);
        EXPECT_EQ(picture.size.cx, e.width) << e.id;
        EXPECT_EQ(picture.size.cy, e.height) << e.id;
    }
    EXPECT_THROW(win32::LoadJpegPicture(module, 999), RuntimeError);
    EXPECT_THROW(win32::LoadBitmapPicture(module, 999), RuntimeError);
}

}  // namespace
}  // namespace vexar::testing
