#include "launcher/title_file.h"

#include <array>
#include <cstdint>

namespace vexar {

namespace {

std::unique_ptr<platform::RecordFile> OpenForReading(platform::FileSystem& files, std::string_view path) {
    try {
        return files.OpenRecords(path, kTitleRecordLength, platform::RecordAccess::kReadWrite);
    } catch (const RuntimeError&) {
        // A write-protected file or medium: an existing file is read as it is.
        try {
            return files.OpenRecords(path, kTitleRecordLength, platform::RecordAccess::kReadOnly);
        } catch (const RuntimeError& error) {
            if (error.number() == kErrFileNotFound) return nullptr;  // missing and cannot be created
            throw;
        }
    }
}

}  // namespace

std::string LoadSavedTitle(platform::FileSystem& files, std::string_view path) {
    const auto file = OpenForReading(files, path);
    if (!file) return std::string();
    std::array<std::uint8_t, kTitleRecordLength> record{};
    const std::size_t size = file->ReadRecord(1, record);
    if (size == 0) return std::string();
    if (size < 2) Raise(kErrPastEndOfFile);
    const std::size_t count = record[0] | (std::size_t{record[1]} << 8);
    if (count > kMaxTitleLength) Raise(kErrBadRecordLength);
    if (2 + count > size) Raise(kErrPastEndOfFile);
    return std::string(reinterpret_cast<const char*>(record.data()) + 2, count);
}

void SaveTitle(platform::FileSystem& files, std::string_view path, std::string_view title) {
    if (title.size() > kMaxTitleLength) Raise(kErrBadRecordLength);
    std::array<std::uint8_t, kTitleRecordLength> record{};
    record[0] = static_cast<std::uint8_t>(title.size() & 0xFF);
    record[1] = static_cast<std::uint8_t>(title.size() >> 8);
    std::copy(title.begin(), title.end(), record.begin() + 2);
    const auto file = files.OpenRecords(path, kTitleRecordLength, platform::RecordAccess::kReadWrite);
    file->WriteRecord(1, record);
}

}  // namespace vexar
