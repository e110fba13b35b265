#pragma once
// A real main window on the (virtual) display, wired to frmVexarLaunch over the platform doubles.

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "launcher/frmVexarLaunch.h"
#include "launcher/win32/main_window.h"
#include "notes_window/frmNotesView.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_views.h"

namespace vexar::testing {

// A configuration file's nine lines: marker, then 15-character labels and values.
inline std::string ConfigText(std::string_view title, std::string_view notes, std::string_view launch_file) {
    std::string text = "LABELVEXARLNCH]\r\n";
    text += "Game Title:    " + std::string(title) + "\r\n";
    text += "Notes:         " + std::string(notes) + "\r\n";
    text += "Start Dir:     C:\\Games\r\n";
    text += "Launch File:   " + std::string(launch_file) + "\r\n";
    text += "Default Parms: -x\r\n";
    text += "HD Params:     -hd\r\n";
    text += "CD Prelaunch:  \r\n";
    text += "CD Params:     -cd\r\n";
    return text;
}

class WindowTest : public ::testing::Test {
protected:
    // Creates the window at `dpi`, hidden, with the handlers attached.
    void Make(int dpi = 96) {
        window = std::make_unique<win32::MainWindow>(::GetModuleHandleW(nullptr), fakes.codec, dpi);
        form = std::make_unique<frmVexarLaunch>(fakes.services(), *window, &notes);
        window->Create();
        window->Attach(*form);
    }
    void SetUp() override { Make(); }
    void TearDown() override {
        form.reset();
        window.reset();
        Pump();
    }

    HWND Control(win32::ControlId id) const { return window->Control(id); }

    // Handles every waiting message as the program's loop does; notes a quit message.
    void Pump() {
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit_posted = true;
                continue;
            }
            if (window && window->TranslateDialogKey(message)) continue;
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }

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
    std::unique_ptr<frmVexarLaunch> form;
    bool quit_posted = false;
};

}  // namespace vexar::testing
