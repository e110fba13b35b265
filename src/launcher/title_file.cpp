#include "launcher/title_file.h"

#include <algorithm>

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

std::string TitleOfRecord(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return std::string();
    if (bytes.size() < 2) Raise(kErrPastEndOfFile);
    const std::size_t count = bytes[0] | (std::size_t{bytes[1]} << 8);
    if (count > kMaxTitleLength) Raise(kErrBadRecordLength);
    if (2 + count > bytes.size()) Raise(kErrPastEndOfFile);
    return std::string(bytes.begin() + 2, bytes.begin() + 2 + static_cast<std::ptrdiff_t>(count));
}

TitleRecord RecordOfTitle(std::string_view title) {
    if (title.size() > kMaxTitleLength) Raise(kErrBadRecordLength);
    TitleRecord record{};
    record[0] = static_cast<std::uint8_t>(title.size());  // the count's high byte stays 0
    std::copy(title.begin(), title.end(), record.begin() + 2);
    return record;
}

std::string LoadSavedTitle(platform::FileSystem& files, const platform::TextCodec& codec,
                           std::string_view path) {
    const auto file = OpenForReading(files, path);
    if (!file) return std::string();
    TitleRecord record{};
    const std::size_t size = file->ReadRecord(1, record);
    return codec.ToUtf8(TitleOfRecord(std::span(record).first(size)));
}

void SaveTitle(platform::FileSystem& files, std::string_view path, std::string_view title) {
    const TitleRecord record = RecordOfTitle(title);
    files.OpenRecords(path, kTitleRecordLength, platform::RecordAccess::kReadWrite)->WriteRecord(1, record);
}

}  // namespace vexar
