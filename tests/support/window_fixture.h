#pragma once
// The real windows on the (virtual) display, wired to the launcher's logic as the program wires them,
// over the platform doubles, and the program's message loop.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "config_text.h"
#include "double/platform_double.h"
#include "launcher/frmVexarLaunch.h"
#include "launcher/win32/main_window.h"
#include "notes_window/frmNotesView.h"
#include "notes_window/win32/notes_window.h"

namespace vexar::testing {

class WindowTest : public ::testing::Test {
protected:
    // Creates both windows, starts the launcher with four games and shows the main window. Their list order
    // (Alpha, "Bråvo ゲーム", Aardvark, "Nul" NUL "led") follows their file names, not the titles' alphabet.
    void Open() {
        for (const auto& [file, title] : {std::pair<std::string, std::string>{"Alpha", "Alpha"},
                                          {"Bravo", "Br\xC3\xA5vo \xE3\x82\xB2\xE3\x83\xBC\xE3\x83\xA0"},
                                          {"Charlie", "Aardvark"},
                                          {"Delta", std::string("Nul\0led", 7)}}) {
            fakes.files.AddFile(
                "Configs\\" + file + ".cfg",
                ConfigText(ConfigValues{title, file + " notes", "C:\\", "game.exe", "", "", "", ""}));
        }
        const HINSTANCE instance = ::GetModuleHandleW(nullptr);
        window = std::make_unique<win32::MainWindow>(instance);
        window->Create();
        notes_window = std::make_unique<win32::NotesWindow>(instance, window->hwnd());
        notes = std::make_unique<frmNotesView>(*notes_window, fakes.boxes);
        notes_window->Attach(*notes);
        form = std::make_unique<frmVexarLaunch>(fakes.services(), *window, LauncherPaths{}, notes.get());
        window->Attach(*form);
        form->Form_Initialize();
        form->Form_Load();
        window->Show();
        Pump();
    }
    // Handles every waiting message as the program's loop does; notes a quit message.
    void Pump() {
        for (MSG message{}; ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
            quit |= message.message == WM_QUIT;
            if (message.message == WM_QUIT || (window && window->TranslateDialogKey(message)) ||
                (notes_window && notes_window->TranslateDialogKey(message))) {
                continue;
            }
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    // Presses and releases `key` on the focused control.
    void Press(UINT key) {
        ::PostMessageW(::GetFocus(), WM_KEYDOWN, key, 1);
        ::PostMessageW(::GetFocus(), WM_KEYUP, key, 0xC0000001);
        Pump();
    }
    HWND Control(win32::ControlId id) const { return window->Control(id); }
    // The windows go, and what they leave in the queue, so that the next test starts afresh.
    void TearDown() override {
        form.reset();
        notes_window.reset();
        window.reset();
        Pump();
    }

    FakePlatform fakes;
    std::unique_ptr<win32::MainWindow> window;
    std::unique_ptr<win32::NotesWindow> notes_window;
    std::unique_ptr<frmNotesView> notes;
    std::unique_ptr<frmVexarLaunch> form;
    bool quit = false;
};

}  // namespace vexar::testing
