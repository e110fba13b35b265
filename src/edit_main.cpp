// VexarEdit.exe: makes and mends the game files of a launcher folder in a window.
//   VexarEdit [FOLDER | FILE.cfg | PROGRAM.exe]
// Wiring only: what the argument means is editor::DecideStart's, what the window does the session's.
#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>

#include "checker/win32/win32_shell_folders.h"
#include "editor/editor_session.h"
#include "editor/win32/editor_window.h"
#include "platform/errors.h"
#include "platform/messages.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_codec.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_file_writer.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_shell.h"
#include "ui/win32/late_calls.h"
#include "ui/win32/pictures.h"

namespace {

constexpr std::string_view kUsage = "Usage: VexarEdit [FOLDER | FILE.cfg | PROGRAM.exe]";

// The program's arguments (shell32 is found only now: the window does not wait for it otherwise).
std::optional<std::wstring> Argument(bool& too_many) {
    static const auto split =
        vexar::win32::SystemFunctionOf<decltype(::CommandLineToArgvW)>(L"shell32.dll", "CommandLineToArgvW");
    int count = 0;
    LPWSTR* arguments = split != nullptr ? split(::GetCommandLineW(), &count) : nullptr;
    too_many = count > 2;
    std::optional<std::wstring> argument;
    if (arguments != nullptr && count == 2) argument = arguments[1];
    ::LocalFree(arguments);
    return argument;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace vexar;
    win32::Win32MessageBoxes boxes;
    try {
        bool too_many = false;
        const std::optional<std::wstring> argument = Argument(too_many);
        if (too_many) {
            MsgBox(boxes, kUsage, platform::Icon::kInformation, platform::Buttons::kOk, "Vexar Edit");
            return 2;
        }
        win32::Win32FileSystem files;
        win32::Win32Codec codec;
        win32::Win32FileWriter writer;
        win32::Win32ShellFolders folders;
        win32::Win32Shell shell;
        const editor::EditorStart start = editor::DecideStart(
            argument ? win32::Utf8(*argument) : std::string(), win32::Utf8(win32::CurrentDirectory()), files);

        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
        win32::late::InitCommonControlsEx(&controls);
        const win32::OleSession ole;  // the item dialogs and drops
        win32::EditorWindow window(instance, start.launcher);
        window.Create();
        editor::EditorSession session({{files, shell, boxes, codec}, writer, folders}, window,
                                      start.launcher);
        window.Attach(session);
        if (!start.program.empty()) {
            session.NewFromProgram(start.program);
        } else if (!session.Open(start.name)) {
            session.Open("");
        }
        if (!start.note.empty()) window.ShowStatus(start.note);
        window.Show();
        return window.Run();
    } catch (...) {
        MsgBox(boxes, ErrorText(TrappedError()), platform::Icon::kCritical, platform::Buttons::kOk,
               "Vexar Edit");
        return 1;
    }
}
