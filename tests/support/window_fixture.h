#pragma once
// Real windows on the (virtual) display: the main window wired to frmVexarLaunch over the platform
// doubles, with the notes window as a double or for real, the program's message loop, and readings of
// controls as built.

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "launcher/frmVexarLaunch.h"
#include "launcher/win32/main_window.h"
#include "notes_window/frmNotesView.h"
#include "notes_window/win32/notes_window.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_views.h"

namespace vexar::testing {

// Handles every waiting message as the program's loop does, dialog keys first for `windows` (null ones
// are skipped); returns true when a quit message was among them.
bool PumpMessages(std::initializer_list<win32::FramedWindow*> windows = {});

// Returns the rectangle of `control` in its parent's client area.
RECT ClientRectOf(HWND control);
// Returns the window class name of `window`.
std::wstring ClassOf(HWND window);
// Returns the UTF-16 text of `window`.
std::wstring WideTextOf(HWND window);
// Returns the font `control` draws with (a failure when it has none).
LOGFONTW FontOf(HWND control);
// Expects the launcher's fixed tool-window frame: a caption with the close box, no sizing border, no
// minimise or maximise box, no taskbar button of its own.
void ExpectFixedToolFrame(HWND window);
// Expects a read-only multi-line notes box that scrolls vertically and wraps long lines.
void ExpectReadOnlyNotesBox(HWND box);

class WindowTest : public ::testing::Test {
protected:
    enum class NotesKind { kDouble, kReal };

    // Creates the main window at `dpi`, hidden, with the handlers attached; the notes window the game list
    // opens is a double, or a real window owned by the main window.
    void Make(int dpi = 96, NotesKind notes_kind = NotesKind::kDouble) {
        const HINSTANCE instance = ::GetModuleHandleW(nullptr);
        window = std::make_unique<win32::MainWindow>(instance, fakes.codec, dpi);
        window->Create();
        frmNotesView* notes_form = &notes;
        if (notes_kind == NotesKind::kReal) {
            notes_window = std::make_unique<win32::NotesWindow>(instance, window->hwnd(), fakes.codec, dpi);
            real_notes = std::make_unique<frmNotesView>(*notes_window, fakes.boxes);
            notes_window->Attach(*real_notes);
            notes_form = real_notes.get();
        }
        form = std::make_unique<frmVexarLaunch>(fakes.services(), *window, notes_form);
        window->Attach(*form);
    }
    void SetUp() override { Make(); }
    void TearDown() override {
        form.reset();
        real_notes.reset();
        notes_window.reset();
        window.reset();
        Pump();
    }

    HWND Control(win32::ControlId id) const { return window->Control(id); }
    // Returns the game list's text field, a window of its own.
    HWND ListField() const {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ::GetComboBoxInfo(Control(win32::ControlId::kTxtLauncher), &info);
        return info.hwndItem;
    }

    // Handles every waiting message as the program's loop does; notes a quit message.
    void Pump() { quit_posted |= PumpMessages({window.get(), notes_window.get()}); }

    // Presses and releases `key` on the focused control, through the program's loop.
    void Press(UINT key) {
        HWND focus = ::GetFocus();
        ::PostMessageW(focus, WM_KEYDOWN, key, 1);
        ::PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
        Pump();
    }

    // Returns the main-window control that holds the focus (the game list for its text field).
    HWND FocusedControl() const {
        HWND focus = ::GetFocus();
        while (focus != nullptr && ::GetParent(focus) != window->hwnd()) focus = ::GetParent(focus);
        return focus;
    }

    fake::FakePlatform fakes;
    fake::FakeNotesView notes_view;
    frmNotesView notes{notes_view, fakes.boxes};
    std::unique_ptr<win32::MainWindow> window;
    std::unique_ptr<win32::NotesWindow> notes_window;
    std::unique_ptr<frmNotesView> real_notes;
    std::unique_ptr<frmVexarLaunch> form;
    bool quit_posted = false;
};

}  // namespace vexar::testing
