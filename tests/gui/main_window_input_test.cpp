// The main window under the user's hands: keys and clicks reach frmVexarLaunch's handlers, and only those.
#include <vector>

#include "config_text.h"
#include "window_fixture.h"

namespace vexar::testing {
namespace {

using win32::ControlId;

class InputTest : public WindowTest {
protected:
    void SetUp() override {
        // Listed in name order, whatever the order of creation.
        const auto add = [this](const std::string& name, const std::string& title) {
            const ConfigValues game{title, title + " notes", "C:\\Games", name + ".exe", "-x", "-hd", "",
                                    "-cd"};
            fakes.files.AddFile("Configs\\" + name + ".cfg", ConfigText(game));
        };
        add("charlie", "Charlie");
        add("alpha", "Alpha");
        add("bravo", "Bravo");
        WindowTest::SetUp();
    }

    // Starts as the program does: initialise, load, show.
    void Start() {
        form->Form_Initialize();
        form->Form_Load();
        window->Show();
        Pump();
    }

    // Returns the pixels of `control` as shown on the screen.
    std::vector<COLORREF> Pixels(HWND control) {
        ::UpdateWindow(control);
        RECT rect{};
        ::GetClientRect(control, &rect);
        HDC dc = ::GetDC(control);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < rect.bottom; y += 2) {
            for (int x = 0; x < rect.right; x += 2) pixels.push_back(::GetPixel(dc, x, y));
        }
        ::ReleaseDC(control, dc);
        return pixels;
    }
};

TEST_F(InputTest, TheGameListHoldsTheConfiguredGamesInNameOrder) {
    Start();
    HWND list = Control(ControlId::kTxtLauncher);
    ASSERT_EQ(::SendMessageW(list, CB_GETCOUNT, 0, 0), 3);
    const wchar_t* expected[] = {L"Alpha", L"Bravo", L"Charlie"};
    for (int i = 0; i < 3; ++i) {
        wchar_t text[32] = {};
        ::SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, expected[i]);
    }
    EXPECT_EQ(window->ListText(), "");
    EXPECT_EQ(window->ListIndex(), -1);
    EXPECT_TRUE(::IsWindowVisible(window->hwnd()));
    EXPECT_EQ(FocusedControl(), list) << "the lowest tab index has the focus once shown";
}

TEST_F(InputTest, ArrowKeysChooseAnEntryAndRunTheClickHandler) {
    Start();
    Press(VK_DOWN);
    EXPECT_EQ(window->ListText(), "Alpha");
    EXPECT_EQ(window->ListIndex(), 0);
    EXPECT_EQ(window->NotesText(), "Alpha notes");
    Press(VK_DOWN);
    EXPECT_EQ(window->ListIndex(), 1);
    EXPECT_EQ(window->NotesText(), "Bravo notes");

    // Typing into the text field leaves no chosen entry, even where the text still starts like one.
    ::SendMessageW(ListField(), EM_SETSEL, 5, 5);
    ::SendMessageW(ListField(), WM_CHAR, L'x', 1);
    EXPECT_EQ(window->ListText(), "Bravox");
    EXPECT_EQ(window->ListIndex(), -1);
}

// Clicks the left mouse button at screen point `at`, as the user does.
void ClickAt(POINT at) {
    ::SetCursorPos(at.x, at.y);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, clicks, sizeof(INPUT));
}

TEST_F(InputTest, PickingAnEntryWithTheMouseChoosesItAndLeavingKeepsIt) {
    Start();
    HWND list = Control(ControlId::kTxtLauncher);
    ::SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
    Pump();
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(::GetComboBoxInfo(list, &info));
    RECT item{};
    ASSERT_NE(::SendMessageW(info.hwndList, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item)), LB_ERR);
    POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ::ClientToScreen(info.hwndList, &centre);
    ClickAt(centre);
    for (int i = 0; i < 50 && window->ListText().empty(); ++i) {
        ::Sleep(20);
        Pump();
    }
    EXPECT_EQ(window->ListText(), "Charlie");
    EXPECT_EQ(window->ListIndex(), 2);
    EXPECT_EQ(window->NotesText(), "Charlie notes");
    // Leaving the list reads the entry again; an entry that was picked, not typed, is no error.
    ::SetFocus(Control(ControlId::kTxtCommand));
    Pump();
    EXPECT_EQ(window->NotesText(), "Charlie notes");
    EXPECT_EQ(window->ListText(), "Charlie");
}

TEST_F(InputTest, DroppingTheListDownIsNoLossOfFocusButLeavingTheListIs) {
    Start();
    HWND list = Control(ControlId::kTxtLauncher);
    window->SetNotesText("kept");  // the list's lose-focus handler would empty it: the list text is empty
    ::SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
    Pump();
    ::SendMessageW(list, CB_SHOWDROPDOWN, FALSE, 0);
    Pump();
    EXPECT_EQ(window->NotesText(), "kept");
    ::SetFocus(Control(ControlId::kTxtCommand));
    Pump();
    EXPECT_EQ(window->NotesText(), "");
}

TEST_F(InputTest, FocusVisitingAnotherWindowAndComingBackIsNoLossOfFocus) {
    Start();
    window->SetNotesText("kept");  // the list's lose-focus handler would empty it: the list text is empty
    // A window of its own, as a message box is.
    HWND other = ::CreateWindowExW(0, L"Edit", L"", WS_POPUP | WS_VISIBLE, 0, 0, 60, 20, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    ::SetForegroundWindow(other);
    ::SetFocus(other);
    Pump();
    EXPECT_EQ(window->NotesText(), "kept");
    ::SetForegroundWindow(window->hwnd());
    ::SetFocus(ListField());
    Pump();
    EXPECT_EQ(window->NotesText(), "kept");
    ::DestroyWindow(other);
    // Moving on to another control of the window is a loss of focus.
    ::SetFocus(Control(ControlId::kCmdHelp));
    Pump();
    EXPECT_EQ(window->NotesText(), "");
}

TEST_F(InputTest, SettingTheListTextChoosesOnlyAnExactEntry) {
    Start();
    window->SetListText("Charlie");
    EXPECT_EQ(window->ListIndex(), 2);
    window->SetListText("charlie");
    EXPECT_EQ(window->ListIndex(), -1) << "case counts";
    EXPECT_EQ(window->ListText(), "charlie");
    window->SetListText("");
    EXPECT_EQ(window->ListIndex(), -1);
    EXPECT_EQ(window->ListText(), "");
    // Texts cross as ANSI: a Windows-1252 e-acute survives the round trip.
    window->SetCommandText("caf\xE9");
    EXPECT_EQ(window->CommandText(), "caf\xE9");
}

TEST_F(InputTest, TabWalksTheControlsAndLeavingTheCommandBoxRunsItsHandler) {
    Start();
    window->SetCommandText("SetTitle My Games");
    Press(VK_TAB);
    EXPECT_EQ(FocusedControl(), Control(ControlId::kTxtCommand));
    Press(VK_TAB);
    EXPECT_EQ(FocusedControl(), Control(ControlId::kCmdLaunchGame));
    EXPECT_EQ(WideTextOf(window->hwnd()), L"My Games") << "the command box's lose-focus handler ran";
    for (ControlId next :
         {ControlId::kCmdMinimize, ControlId::kCommand1, ControlId::kCmdHelp, ControlId::kTxtLauncher}) {
        Press(VK_TAB);
        EXPECT_EQ(FocusedControl(), Control(next));
    }
    // Shift+Tab goes back; the notes box is never reached.
    ::SetFocus(Control(ControlId::kTxtShowNotes));
    Press(VK_TAB);
    EXPECT_NE(FocusedControl(), Control(ControlId::kTxtShowNotes)) << "Tab leaves the notes box";
}

TEST_F(InputTest, EnterAndEscPressNoButton) {
    Start();
    Press(VK_DOWN);  // a game is chosen: a launch would reach the shell
    for (HWND target : {ListField(), Control(ControlId::kTxtCommand), Control(ControlId::kTxtShowNotes)}) {
        ::SetFocus(target);
        Press(VK_RETURN);
        Press(VK_ESCAPE);
        ASSERT_NE(window->hwnd(), nullptr) << "Esc closed the window";
    }
    EXPECT_TRUE(fakes.shell.calls.empty());
    EXPECT_TRUE(notes_view.text.empty());

    // A focused button is pressed by Enter as usual.
    ::SetFocus(Control(ControlId::kCmdLaunchGame));
    Press(VK_RETURN);
    ASSERT_EQ(fakes.shell.calls.size(), 1u);
    EXPECT_EQ(fakes.shell.calls[0].file, "alpha.exe");
    Press(VK_ESCAPE);
    EXPECT_EQ(fakes.shell.calls.size(), 1u);
}

TEST_F(InputTest, TheNotesBoxIsReadOnlyAndOpensTheNotesWindowOnDoubleClick) {
    Start();
    HWND box = Control(ControlId::kTxtShowNotes);
    ::SetFocus(box);  // the game list loses the focus first: its handler empties the notes
    Pump();
    window->SetNotesText("Notes that stay as they are");
    ::SendMessageW(box, WM_CHAR, L'x', 1);
    ::SendMessageW(box, WM_KEYDOWN, VK_DELETE, 1);
    EXPECT_EQ(window->NotesText(), "Notes that stay as they are");
    ::SendMessageW(box, EM_SETSEL, 0, 5);
    DWORD start = 0, end = 0;
    ::SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end - start, 5u) << "text can still be selected";

    ::SendMessageW(box, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_TRUE(notes_view.shown);
    EXPECT_EQ(notes_view.text, "Notes that stay as they are");
}

TEST_F(InputTest, TheLaunchButtonShowsThePressedEmblemWhileHeldAndReleasingOutsideClicksNothing) {
    Start();
    Press(VK_DOWN);
    HWND button = Control(ControlId::kCmdLaunchGame);
    const std::vector<COLORREF> normal = Pixels(button);
    ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 40));
    const std::vector<COLORREF> held = Pixels(button);
    EXPECT_NE(held, normal);
    ::SendMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 200));
    ::SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(200, 200));
    Pump();
    EXPECT_EQ(Pixels(button), normal);
    EXPECT_TRUE(fakes.shell.calls.empty());
}

TEST_F(InputTest, MinimizeAndCloseButtonsReachTheirHandlers) {
    Start();
    ::SendMessageW(Control(ControlId::kCmdMinimize), BM_CLICK, 0, 0);
    Pump();
    EXPECT_TRUE(::IsIconic(window->hwnd()));
    ::SendMessageW(Control(ControlId::kCommand1), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(window->hwnd(), nullptr);
    EXPECT_TRUE(quit_posted) << "the message loop ends with the window";
}

TEST_F(InputTest, TheCloseBoxRunsTheUnloadHandlerBeforeTheWindowGoes) {
    fakes.files.AddFile("IsCD.txt", "");
    fakes.files.AddDirectory("C:\\vexardat");
    Start();
    ::SetFocus(ListField());
    ::SendMessageW(window->hwnd(), WM_CLOSE, 0, 0);
    ASSERT_EQ(fakes.boxes.shown.size(), 1u) << "only the clean-up question, no lose-focus handler";
    EXPECT_EQ(fakes.boxes.shown[0].title, "Remove Files?");
    EXPECT_EQ(window->hwnd(), nullptr);
    window->SetNotesText("after the window is gone");  // no effect, no crash
    EXPECT_EQ(window->NotesText(), "");
}

}  // namespace
}  // namespace vexar::testing
