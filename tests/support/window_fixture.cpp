#include "window_fixture.h"

#include <commctrl.h>

#include "ui/win32/pictures.h"

namespace vexar::testing {

void WindowTest::Open(int dpi) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    window = std::make_unique<win32::MainWindow>(instance, codec, dpi);
    window->Create();
    notes_window = std::make_unique<win32::NotesWindow>(instance, window->hwnd(), codec, dpi);
    notes = std::make_unique<frmNotesView>(*notes_window, fakes.boxes);
    notes_window->Attach(*notes);
    form = std::make_unique<frmVexarLaunch>(fakes.services(), *window, LauncherPaths{}, notes.get());
    window->Attach(*form);
    form->Form_Initialize();
    form->Form_Load();
    window->Show();
    Pump();
}

void WindowTest::Pump() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) quit = true;
        if (message.message == WM_QUIT || (window && window->TranslateDialogKey(message)) ||
            (notes_window && notes_window->TranslateDialogKey(message))) {
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

void WindowTest::Press(UINT key) {
    HWND focus = ::GetFocus();
    ::PostMessageW(focus, WM_KEYDOWN, key, 1);
    ::PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
    Pump();
}

HWND WindowTest::Focused() const {
    HWND focus = ::GetFocus();
    while (focus != nullptr && ::GetParent(focus) != window->hwnd()) focus = ::GetParent(focus);
    return focus;
}

void WindowTest::TearDown() {
    form.reset();
    notes_window.reset();
    window.reset();
    Pump();
}

}  // namespace vexar::testing

// The window tests' entry: common controls and OLE, as the program sets them up.
int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    const vexar::win32::OleSession ole;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
