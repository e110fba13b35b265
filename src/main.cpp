// Entry point: runs the launcher (launcher/win32/launcher_program) in the program's order.
#include <windows.h>

#include "launcher/win32/launcher_program.h"
#include "platform/messages.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    vexar::win32::LauncherProgram program(instance);
    try {
        program.PrepareWindows();
        program.CreateWindows();
    } catch (...) {
        vexar::MsgBox(program.boxes(), vexar::ErrorText(vexar::TrappedError()),
                      vexar::platform::Icon::kCritical);
        return 1;
    }
    program.Start();
    program.Show();
    return program.Run();
}
