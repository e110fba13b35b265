#pragma once
// The file system as the checker uses it: reads only, and knows how far the last file was read.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace vexar {

// Passes every read to `files` and refuses every change, so that a check leaves the folder exactly as it
// found it: a write is refused as on a write-protected medium (70), where the launcher reads its files
// the same way. Counts the lines read from the file opened last, so that a failed read can name its line.
//
// A text file opened again right after it was read (the list read, then the full read of a game) is read
// on from where the first reading stopped, its earlier lines given again from memory: one open per file,
// and both readings see the same content. The file stays open until another one is opened; there is one
// reading at a time, as in the launcher.
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
    // Returns a reader whose lines are counted.
    std::unique_ptr<platform::LineReader> OpenForInput(std::string_view path) override;
    // Opens for reading only; raises 70 for kReadWrite.
    std::unique_ptr<platform::RecordFile> OpenRecords(std::string_view path, std::size_t record_length,
                                                      platform::RecordAccess access) override;

    // The number of lines the file opened last has given so far; -1 when it could not be opened.
    int LinesRead() const { return lines_read_; }
    // The line a read error of the file opened last is about: the short line for 5, otherwise the line
    // being read (for 62 the first missing one); 0 when the file could not be opened.
    int LineOf(const RuntimeError& error) const;

    // The text file opened last: the lines read from it so far, kept while it stays open.
    struct OpenText {
        std::string path;
        std::unique_ptr<platform::LineReader> lines;
        std::vector<std::string> read;
    };

private:
    platform::FileSystem& files_;
    OpenText last_;
    int lines_read_ = -1;
};

}  // namespace vexar
