// The notes window: one at a time, with the latest notes, following its owner.
#include "window_fixture.h"

namespace vexar::testing {
namespace {

TEST_F(WindowTest, OneNotesWindowWithTheLatestNotesFollowingItsOwner) {
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
    // It goes with its owner.
    HWND last = notes_window->hwnd();
    ::DestroyWindow(window->hwnd());
    EXPECT_FALSE(::IsWindow(last));
    EXPECT_EQ(notes_window->hwnd(), nullptr);
}

}  // namespace
}  // namespace vexar::testing
