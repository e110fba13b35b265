// Fuzzes the saved title's record: the input is what Title.cfg holds of record 1. A title that loads is
// the record's own characters, and its record loads the same title again.
#include <cstdlib>

#include "launcher/title_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, std::min(size, vexar::kTitleRecordLength));
    std::string title;
    try {
        title = vexar::TitleOfRecord(bytes);
    } catch (const vexar::RuntimeError& error) {
        if (error.number() != vexar::kErrBadRecordLength && error.number() != vexar::kErrPastEndOfFile)
            std::abort();
        return 0;
    }
    const std::size_t count = bytes.empty() ? 0 : bytes[0] | (std::size_t{bytes[1]} << 8);
    if (title != std::string(bytes.begin() + (count ? 2 : 0), bytes.begin() + (count ? 2 + count : 0)))
        std::abort();
    if (vexar::TitleOfRecord(vexar::RecordOfTitle(title)) != title) std::abort();
    return 0;
}
