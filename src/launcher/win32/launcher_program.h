#pragma once
// The launcher as the program runs it: the Win32 platform, common controls and OLE, both windows and the
// logic over them, wired and started in the program's order. The entry point runs it step by step; the
// start-up benchmark times the same steps. The message boxes are the caller's, so that a failure of any
// step can still be shown.

#include <windows.h>

#include <memory>
#include <optional>

#include "launcher/command_line.h"
#include "launcher/frmVexarLaunch.h"
#include "launcher/win32/main_window.h"
#include "notes_window/frmNotesView.h"
#include "notes_window/win32/notes_window.h"
#include "platform/win32/win32_codec.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_shell.h"
#include "ui/win32/pictures.h"

namespace vexar::win32 {

// The program's command line as the system handed it over (wide, so that no character is lost), parsed.
CommandLine ReadCommandLine();

class LauncherProgram {
public:
    // The platform objects; every box is shown through `boxes`, which outlives the program.
    LauncherProgram(HINSTANCE instance, platform::MessageBoxes& boxes);

    // Does what the command line `command` (not the window) asks for, without any window: starts one game
    // or shows the usage; returns the exit status.
    int RunCommand(const CommandLine& command);

    // Common controls and OLE (which decodes the JPEG pictures), for the windows.
    void PrepareWindows();
    // Creates both windows, hidden; raises a run-time error when the main window cannot be made.
    void CreateWindows();
    // The launcher's start over `view` (the main window when null): fills the game list, applies the saved
    // title, decides CD mode.
    void Start(LauncherView* view = nullptr);
    // Shows the main window with the game list focused.
    void Show();
    // Handles the messages waiting now, as the message loop does; returns false once the quit message came.
    bool HandleWaitingMessages();
    // Runs the message loop until the main window is gone; returns the quit message's code.
    int Run();

    // The main window (after CreateWindows).
    MainWindow& Window() { return *window_; }

private:
    // Handles `message` as the message loop does.
    void Dispatch(MSG& message);

    HINSTANCE instance_;
    Win32Codec codec_;
    Win32FileSystem files_;
    Win32Shell shell_;
    platform::MessageBoxes& boxes_;
    std::optional<OleSession> ole_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<NotesWindow> notes_window_;
    std::unique_ptr<frmNotesView> notes_;
    std::unique_ptr<frmVexarLaunch> form_;
};

}  // namespace vexar::win32
