// VexarCheck.exe: checks the game files of a launcher folder as the launcher would see them there and
// reports every problem, one line each, then "N games listed, M problems". Exit status: 0 without a
// problem, 1 with any, 2 for a wrong argument or a folder that cannot be read. Wiring only: the check is
// checker/launcher_folder_check.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <string_view>
#include <vector>

#include "checker/launcher_folder_check.h"
#include "checker/win32/console_output.h"
#include "checker/win32/win32_shell_folders.h"
#include "platform/win32/error_map.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_codec.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/xinput_pads.h"

namespace {

// VexarCheck's exit status for a wrong argument or a folder that cannot be read (0 and 1: CheckReport).
constexpr int kCannotCheck = 2;

constexpr std::string_view kUsage =
    "usage: VexarCheck [folder]   checks the game files of the launcher folder (default: the current one)";

// The program's arguments, read as UTF-16 so that any folder name reaches the system unchanged.
std::vector<std::wstring> Arguments() {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::wstring> result;
    if (arguments == nullptr) return result;
    for (int i = 1; i < count; ++i) result.emplace_back(arguments[i]);
    ::LocalFree(arguments);
    return result;
}

bool IsOption(const std::wstring& argument) {
    return !argument.empty() && (argument[0] == L'-' || argument == L"/?");
}

int Run() {
    vexar::win32::ConsoleOutput out(STD_OUTPUT_HANDLE);
    vexar::win32::ConsoleOutput errors(STD_ERROR_HANDLE);

    const std::vector<std::wstring> arguments = Arguments();
    if (arguments.size() > 1 || (arguments.size() == 1 && IsOption(arguments[0]))) {
        errors.WriteLine(kUsage);
        return kCannotCheck;
    }
    const std::wstring folder = arguments.empty() ? L"." : arguments[0];
    const std::string shown = "\"" + vexar::win32::Utf8(folder) + "\"";

    // The launcher resolves its paths against its current directory: so does the check.
    vexar::win32::Win32FileSystem files;
    try {
        if (!::SetCurrentDirectoryW(folder.c_str())) vexar::win32::RaiseLastError();
        files.ListFirst("*", vexar::platform::ListMask::kEverything);
    } catch (const vexar::RuntimeError& error) {
        errors.WriteLine("VexarCheck: cannot read the folder " + shown + ": " + vexar::ErrorText(error));
        return kCannotCheck;
    }

    const vexar::win32::Win32Codec codec;
    const vexar::win32::Win32ShellFolders shell;
    vexar::CheckReport report = vexar::CheckLauncherFolder(files, codec, shell);
    // Last, what this computer offers the gamepad: the XInput the launcher would load. It is loaded but never
    // asked for a pad: asking starts XInput's own threads, which the check would only end with the process.
    vexar::win32::XInputPads pads;
    const wchar_t* library = pads.Library();
    report.findings.push_back(
        vexar::GamepadNote(library ? vexar::win32::Utf8(vexar::win32::SystemFolderPath(library)) : ""));
    for (const vexar::Finding& finding : report.findings) out.WriteLine(vexar::FormatFinding(finding));
    out.WriteLine(vexar::FormatSummary(report));
    return report.ExitStatus();
}

}  // namespace

int main() {
    try {
        return Run();
    } catch (...) {
        // Nothing was checked completely: say why, as the launcher's error boxes would.
        const vexar::RuntimeError error = vexar::TrappedError();
        const std::string text = "VexarCheck: " + vexar::ErrorText(error) + "\r\n";
        DWORD written = 0;
        ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written,
                    nullptr);
        return kCannotCheck;
    }
}
