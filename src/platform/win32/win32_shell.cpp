#include "platform/win32/win32_shell.h"

#include <windows.h>
#include <shellapi.h>

namespace vexar::win32 {

void Win32Shell::Open(const platform::ShellRequest& request) {
    // The std::string members are null-terminated, so an empty text reaches the shell as "" and never
    // as a missing argument. The launcher relies on no result, so the returned value is not looked at.
    static_cast<void>(::ShellExecuteA(reinterpret_cast<HWND>(request.owner), request.operation.c_str(),
                                      request.file.c_str(), request.parameters.c_str(),
                                      request.directory.c_str(), static_cast<int>(request.show)));
}

}  // namespace vexar::win32
