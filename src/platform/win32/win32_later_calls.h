#pragma once
// Which calls of Windows Vista and later (platform/later_calls.h) this Windows has, and GetTickCount64's
// count on every Windows.

#include <cstdint>

#include "platform/later_calls.h"

namespace vexar::win32 {

// The later calls kernel32 of this Windows exports.
platform::LaterCalls PresentLaterCalls();

// The milliseconds since Windows started, 64-bit: GetTickCount64's count where `calls` allows it and
// Windows has it; otherwise GetTickCount's, extended to 64 bits (platform::ExtendTickCount). Any thread
// may call it; it loads no DLL and waits for nothing.
std::uint64_t TickCount64(const platform::LaterCalls& calls);

}  // namespace vexar::win32
