// Entry point: wires the Win32 platform and windows to the launcher's logic, then runs the message loop.
#include <windows.h>

#include <commctrl.h>

#include "launcher/frmVexarLaunch.h"
#include "launcher/win32/main_window.h"
#include "notes_window/frmNotesView.h"
#include "notes_window/win32/notes_window.h"
#include "platform/messages.h"
#include "platform/win32/win32_codec.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_shell.h"
#include "ui/win32/pictures.h"

namespace {

// Runs the launcher; returns the process's exit code.
int Run(HINSTANCE instance) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    const vexar::win32::OleSession ole;

    vexar::win32::Win32Codec codec;
    vexar::win32::Win32FileSystem files;
    vexar::win32::Win32Shell shell;
    vexar::win32::Win32MessageBoxes boxes(codec);
    const vexar::platform::Services services{files, shell, boxes, codec};

    vexar::win32::MainWindow window(instance, codec);
    try {
        window.Create();
    } catch (const vexar::RuntimeError& error) {
        vexar::MsgBox(boxes, vexar::ErrorText(error), vexar::platform::Icon::kCritical);
        return 1;
    }

    // The notes window, owned by the main window and destroyed with it.
    vexar::win32::NotesWindow notes_window(instance, window.hwnd(), codec);
    vexar::frmNotesView notes(notes_window, boxes);
    notes_window.Attach(notes);

    vexar::frmVexarLaunch form(services, window, vexar::LauncherPaths{}, &notes);
    window.Attach(form);
    form.Form_Initialize();
    form.Form_Load();
    window.Show();

    MSG message{};
    // Destroying the main window posts the quit message that ends the loop.
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.TranslateDialogKey(message) || notes_window.TranslateDialogKey(message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);  // the quit message's code
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return Run(instance);
}
