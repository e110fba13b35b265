#include "platform/win32/win32_shell.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"

namespace vexar::win32 {

namespace {

// The system's text for Win32 error `code`, without its line end.
std::string SystemText(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string result = length == 0 ? "Windows error " + std::to_string(code) : Utf8({text, length});
    ::LocalFree(text);
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == ' '))
        result.pop_back();
    return result;
}

// Why ShellExecuteW refused, from what it returned (32 or less).
std::string RefusalText(INT_PTR code) {
    switch (code) {
        case 0:
            return SystemText(ERROR_NOT_ENOUGH_MEMORY);
        case SE_ERR_SHARE:
            return SystemText(ERROR_SHARING_VIOLATION);
        case SE_ERR_ASSOCINCOMPLETE:
        case SE_ERR_NOASSOC:
            return "No program is associated with this kind of file.";
        case SE_ERR_DDETIMEOUT:
        case SE_ERR_DDEFAIL:
        case SE_ERR_DDEBUSY:
            return "The program did not answer the shell's request.";
        case SE_ERR_DLLNOTFOUND:
            return SystemText(ERROR_DLL_NOT_FOUND);
        default:  // the others are Win32 error codes: file or path not found, access denied, ...
            return SystemText(static_cast<DWORD>(code));
    }
}

}  // namespace

std::optional<std::string> Win32Shell::Open(const platform::ShellRequest& request) {
    // Every text is passed NUL-terminated, so an empty one reaches the shell as "" and never as a missing
    // argument.
    // shell32 and what it loads in turn are a large part of a process's start: only a launch or the manual
    // loads it.
    static const auto shell_execute =
        SystemFunctionOf<decltype(::ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (shell_execute == nullptr) return "The Windows shell (shell32.dll) could not be loaded.";
    const auto result = reinterpret_cast<INT_PTR>(shell_execute(
        nullptr, Wide(request.operation).c_str(), Wide(request.file).c_str(),
        Wide(request.parameters).c_str(), Wide(request.directory).c_str(), static_cast<int>(request.show)));
    if (result > 32) return std::nullopt;
    return RefusalText(result);
}

}  // namespace vexar::win32
