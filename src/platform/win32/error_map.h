#pragma once
// The one place where Win32 error codes become the launcher's run-time error numbers.

#include <windows.h>

#include "platform/errors.h"

namespace vexar::win32 {

// The run-time error number for a Win32 error code.
int ErrorNumberFor(DWORD win32_error) noexcept;

// Raises the run-time error for GetLastError().
[[noreturn]] void RaiseLastError();

}  // namespace vexar::win32
