#include "platform/win32/win32_shell.h"

#include <windows.h>

#include <string>

#include "platform/win32/wide_text.h"

namespace vexar::win32 {

namespace {

using ShellExecuteCall = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);

// ShellExecuteW, from shell32 loaded (from the system folder) on the first request: shell32 and what it
// loads in turn are a large part of a process's start, and only a launch or the manual needs them.
// Null when shell32 cannot be loaded.
ShellExecuteCall ShellExecuteFunction() {
    static const ShellExecuteCall function = [] {
        wchar_t folder[MAX_PATH] = {};
        const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return ShellExecuteCall{};
        const HMODULE shell32 = ::LoadLibraryW((std::wstring(folder, length) + L"\\shell32.dll").c_str());
        if (shell32 == nullptr) return ShellExecuteCall{};
        return reinterpret_cast<ShellExecuteCall>(
            reinterpret_cast<void*>(::GetProcAddress(shell32, "ShellExecuteW")));
    }();
    return function;
}

}  // namespace

void Win32Shell::Open(const platform::ShellRequest& request) {
    // Every text is passed NUL-terminated, so an empty one reaches the shell as "" and never as a missing
    // argument. The launcher relies on no result, so the returned value is not looked at (nor whether the
    // shell could be reached at all).
    const ShellExecuteCall shell_execute = ShellExecuteFunction();
    if (shell_execute == nullptr) return;
    static_cast<void>(shell_execute(nullptr, Wide(request.operation).c_str(), Wide(request.file).c_str(),
                                    Wide(request.parameters).c_str(), Wide(request.directory).c_str(),
                                    static_cast<int>(request.show)));
}

}  // namespace vexar::win32
