// Entry point: runs the launcher (launcher/win32/launcher_program) in the program's order, with its window
// or, when the command line asks for it, without.
#include <windows.h>

#include <optional>

#include "launcher/win32/launcher_program.h"
#include "platform/messages.h"
#include "platform/win32/win32_message_boxes.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // The boxes come first: they need nothing else, and show why any later step failed.
    vexar::win32::Win32MessageBoxes boxes;
    std::optional<vexar::win32::LauncherProgram> program;
    try {
        // With arguments (a shortcut's /run) no window is made.
        const vexar::CommandLine command = vexar::win32::ReadCommandLine();
        program.emplace(instance, boxes);
        if (command.request != vexar::CommandLine::Request::kWindow) return program->RunCommand(command);
        program->PrepareWindows();
        program->CreateWindows();
        program->Start();
        program->Show();
    } catch (...) {
        vexar::MsgBox(boxes, vexar::ErrorText(vexar::TrappedError()), vexar::platform::Icon::kCritical);
        return 1;
    }
    return program->Run();
}
