#pragma once
// The file system as the checker uses it: reads only.

#include <memory>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace vexar {

// Passes every read to `files` and refuses every change, so that a check leaves the folder exactly as it
// found it: a write is refused as on a write-protected medium (70), where the launcher reads its files
// the same way.
class ReadOnlyFiles final : public platform::FileSystem {
public:
    explicit ReadOnlyFiles(platform::FileSystem& files) : files_(files) {}

    std::string ListFirst(std::string_view pattern, platform::ListMask mask) override;
    std::string ListNext() override;
    std::uint32_t ReadAttributes(std::string_view path) override;
    // Raise 70: nothing is changed.
    void ResetAttributes(std::string_view path) override;
    void DeleteFileAt(std::string_view path, platform::AttributeReset reset) override;
    void RemoveEmptyDirectory(std::string_view path) override;
    std::unique_ptr<platform::ByteSource> OpenForInput(std::string_view path) override;
    // Opens for reading only; raises 70 for kReadWrite.
    std::unique_ptr<platform::RecordFile> OpenRecords(std::string_view path, std::size_t record_length,
                                                      platform::RecordAccess access) override;

private:
    platform::FileSystem& files_;
};

}  // namespace vexar
