#pragma once
// Calls of Windows Vista and later that the program uses where Windows has them. The 32-bit program runs
// on Windows XP too, where each is missing: there the same work goes through calls every supported
// Windows has. The Win32 side reports which calls this Windows has; what follows from that is decided
// here.

#include <cstdint>

namespace vexar::platform {

// The later calls this Windows has.
struct LaterCalls {
    bool file_information_by_handle = true;  // SetFileInformationByHandle (Windows Vista)
    bool tick_count_64 = true;               // GetTickCount64 (Windows Vista)
};

// How the file system resets a file's attributes and deletes it.
enum class FileSteps {
    kByHandle,  // one open handle of the entry resets its attributes and marks it for deletion
    kByPath,    // SetFileAttributesW and DeleteFileW on its path, as Windows XP does it
};

// kByHandle where Windows can set a file's information through a handle, kByPath otherwise.
FileSteps ChooseFileSteps(const LaterCalls& calls);

// The 64-bit millisecond count that follows `previous` (a count this function returned, or 0) when the
// 32-bit count, which starts again from 0 every 49.7 days, reads `now`: the low half becomes `now`, and
// the high half counts one more when `now` is below the low half of `previous`. Correct while it is asked
// at least once every 49.7 days.
std::uint64_t ExtendTickCount(std::uint64_t previous, std::uint32_t now);

}  // namespace vexar::platform
