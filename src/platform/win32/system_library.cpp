#include "platform/win32/system_library.h"

#include <string>

namespace vexar::win32 {

HMODULE LoadSystemLibrary(const wchar_t* dll, DllSource source) {
    std::wstring path = dll;
    // By its full path: LOAD_LIBRARY_SEARCH_SYSTEM32 needs an update on Windows 7 and is unknown to XP.
    if (source == DllSource::kSystemFolder) {
        wchar_t folder[MAX_PATH] = {};
        const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return nullptr;
        path = std::wstring(folder, length) + L"\\" + path;
    }
    return ::LoadLibraryW(path.c_str());
}

FARPROC SystemFunction(const wchar_t* dll, const char* name, DllSource source) {
    // Loaded once for the process: each later call finds it loaded and only counts a reference.
    const HMODULE module = LoadSystemLibrary(dll, source);
    return module == nullptr ? nullptr : ::GetProcAddress(module, name);
}

}  // namespace vexar::win32
