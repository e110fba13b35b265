#pragma once
// The saved window title: record 1 of a file of 100-byte records - a 16-bit little-endian character
// count followed by the characters, in the ANSI code page (other copies of the launcher read it so).

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace vexar {

inline constexpr std::size_t kTitleRecordLength = 100;
// The count and the characters must fit in one record.
inline constexpr std::size_t kMaxTitleLength = kTitleRecordLength - 2;
using TitleRecord = std::array<std::uint8_t, kTitleRecordLength>;

// Returns the title in `bytes`, what the file holds of record 1 (at most 100 bytes): "" for none. Raises
// 59 for a count beyond the record, 62 for a record cut short.
std::string TitleOfRecord(std::span<const std::uint8_t> bytes);

// Returns record 1 holding `title`, zero-filled to its end; raises 59 for a title over 98 characters.
TitleRecord RecordOfTitle(std::string_view title);

// Returns the title saved in `path` as UTF-8; "" when the file is empty, or missing and cannot be created
// (a read-only medium). Creates a missing file where it can. Raises TitleOfRecord's errors, and the file
// system's when the file cannot be opened.
std::string LoadSavedTitle(platform::FileSystem& files, const platform::TextCodec& codec,
                           std::string_view path);

// Saves `title`, in the ANSI code page, as record 1 of `path`; raises 59 for a title over 98 characters
// before the file is touched, and the file system's error when it cannot be written.
void SaveTitle(platform::FileSystem& files, std::string_view path, std::string_view title);

}  // namespace vexar
