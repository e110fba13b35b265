#pragma once
// Functions of Windows' own DLLs that only some of the work needs - the shell for a launch, common
// controls and OLE for the windows - found at their first use instead of with the process, so that a
// start that does not need them (the launcher's /run) does not pay for loading them.

#include <windows.h>

#include <string>

namespace vexar::win32 {

enum class DllSource {
    kSystemFolder,  // the DLL in the system folder, never one beside the program
    kManifest,      // the version the program's manifest names (common controls 6)
};

// Returns the full path of `dll` in the system folder; "" when Windows gives no system folder.
std::wstring SystemFolderPath(const wchar_t* dll);

// Returns function `name` of `dll` (loading the DLL on the first call for it, for the rest of the process);
// null when either cannot be found.
FARPROC SystemFunction(const wchar_t* dll, const char* name, DllSource source = DllSource::kSystemFolder);

// SystemFunction as a pointer to `Function` (a function's type, as decltype gives it).
template <typename Function>
Function* SystemFunctionOf(const wchar_t* dll, const char* name,
                           DllSource source = DllSource::kSystemFolder) {
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(SystemFunction(dll, name, source)));
}

}  // namespace vexar::win32
