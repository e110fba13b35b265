#pragma once
// Test support: Title.cfg's record 1 as the launcher writes it.

#include <string>
#include <string_view>

namespace vexar::testing {

// Returns record 1 of Title.cfg holding `title`: the 16-bit count (low byte first), the characters, and
// zeros to the record's 100 bytes.
inline std::string TitleRecord(std::string_view title) {
    std::string record(100, '\0');
    record[0] = static_cast<char>(title.size() & 0xFF);
    record[1] = static_cast<char>(title.size() >> 8);
    record.replace(2, title.size(), title);
    return record;
}

}  // namespace vexar::testing
