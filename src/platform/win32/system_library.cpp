#include "platform/win32/system_library.h"

#include <string>

namespace vexar::win32 {

std::wstring SystemFolderPath(const wchar_t* dll) {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::wstring(folder, length) + L"\\" + dll;
}

FARPROC SystemFunction(const wchar_t* dll, const char* name, DllSource source) {
    // By its full path: LOAD_LIBRARY_SEARCH_SYSTEM32 needs an update on Windows 7 and is unknown to XP.
    const std::wstring path = source == DllSource::kSystemFolder ? SystemFolderPath(dll) : dll;
    // Loaded once for the process and never let go: each later call finds it loaded and only counts a
    // reference.
    const HMODULE module = path.empty() ? nullptr : ::LoadLibraryW(path.c_str());
    return module == nullptr ? nullptr : ::GetProcAddress(module, name);
}

}  // namespace vexar::win32
