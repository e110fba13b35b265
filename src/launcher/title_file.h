#pragma once
// The saved window title, record 1 of a file of 100-byte records - a 16-bit little-endian
// character count followed by the characters.

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace vexar {

inline constexpr std::size_t kTitleRecordLength = 100;
// The count and the characters must fit in one record.
inline constexpr std::size_t kMaxTitleLength = kTitleRecordLength - 2;

// Returns the title saved in `path`; "" when the file is empty, or missing and cannot be created (a
// read-only medium). Creates a missing file where it can. Raises 59 for a count beyond the record, 62 for
// a record cut short, and the file system's error when the file cannot be opened.
std::string LoadSavedTitle(platform::FileSystem& files, std::string_view path);

// Saves `title` as record 1 of `path` (zero-filled to the record's end); raises 59 for a title longer
// than 98 characters before the file is touched, and the file system's error when it cannot be written.
void SaveTitle(platform::FileSystem& files, std::string_view path, std::string_view title);

}  // namespace vexar
