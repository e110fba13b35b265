#include "platform/later_calls.h"

namespace vexar::platform {

FileSteps ChooseFileSteps(const LaterCalls& calls) {
    return calls.file_information_by_handle ? FileSteps::kByHandle : FileSteps::kByPath;
}

std::uint64_t ExtendTickCount(std::uint64_t previous, std::uint32_t now) {
    constexpr std::uint64_t kLap = std::uint64_t{1} << 32;
    std::uint64_t extended = (previous & ~(kLap - 1)) | now;
    if (extended < previous) extended += kLap;
    return extended;
}

}  // namespace vexar::platform
