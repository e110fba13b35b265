#pragma once
// The platform double for the core tests: an in-memory file tree with scripted failures, recorded
// shell calls, scripted message-box answers and the Windows-1252 code page. Nothing here touches the
// real machine.

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/line_splitter.h"
#include "platform/platform.h"

namespace vexar::fake {

// A file's bytes held in memory, read front to back; counts what has been read.
class StringSource : public platform::ByteSource {
public:
    explicit StringSource(std::string content) : content_(std::move(content)) {}
    // Reads up to `out.size()` bytes; returns how many, 0 at the end.
    std::size_t ReadSome(std::span<char> out) override;
    // Returns how many bytes have been read so far.
    std::size_t consumed() const { return pos_; }

private:
    std::string content_;
    std::size_t pos_ = 0;
};

// File-system operations that a test can make fail.
enum class Op { kListFirst, kListNext, kReadAttributes, kResetAttributes, kDelete, kRemoveDir, kOpenInput,
                kOpenRecords, kWriteRecord };

class FakeFileSystem : public platform::FileSystem {
public:
    // Adds (or replaces) a file with `content`; missing parent directories are created.
    void AddFile(std::string_view path, std::string_view content, std::uint32_t attributes = 0);
    // Adds a directory; missing parent directories are created. With kAttrReparsePoint it stands for a
    // directory link: what is added below it is seen through the link, and removing it removes the link.
    void AddDirectory(std::string_view path, std::uint32_t attributes = platform::kAttrDirectory);
    // Removes an entry and everything below it, as someone else would.
    void Erase(std::string_view path);

    bool Exists(std::string_view path) const;
    // The content of the file `path`; empty when it does not exist.
    std::string Content(std::string_view path) const;
    std::uint32_t Attributes(std::string_view path) const;

    // Makes operation `op` on `path` raise `error_number` from now on (path compared case-insensitively;
    // for Op::kListNext the path is "").
    void FailOn(Op op, std::string_view path, int error_number);
    // Makes ListNext raise `error_number` once the listing in progress has returned `names` names.
    void FailListingAfter(std::size_t names, int error_number) { listing_failure_ = {names, error_number}; }
    // Makes every file creation fail with `error_number`, as on a read-only medium.
    void FailCreation(int error_number) { creation_error_ = error_number; }

    // Every deletion, directory removal and attribute reset, in order: "del X", "rmdir X", "attr X".
    const std::vector<std::string>& changes() const { return changes_; }
    // How many files are open right now.
    int open_files() const { return *open_files_; }

    std::string ListFirst(std::string_view pattern, platform::ListMask mask) override;
    std::string ListNext() override;
    std::uint32_t ReadAttributes(std::string_view path) override;
    void ResetAttributes(std::string_view path) override;
    void DeleteFileAt(std::string_view path) override;
    void RemoveEmptyDirectory(std::string_view path) override;
    std::unique_ptr<platform::LineReader> OpenForInput(std::string_view path) override;
    std::unique_ptr<platform::RecordFile> OpenRecords(std::string_view path, std::size_t record_length,
                                                      platform::RecordAccess access) override;

private:
    struct Entry {
        std::string path;  // as given, backslashes
        std::string content;
        std::uint32_t attributes = 0;
        std::uint64_t order = 0;
    };
    friend class FakeRecordFile;

    static std::string Key(std::string_view path);
    void Check(Op op, std::string_view path) const;
    Entry* Find(std::string_view path);
    const Entry* Find(std::string_view path) const;
    void EnsureParents(std::string_view path);
    bool HasChildren(std::string_view path) const;
    // The next name of the listing in progress, "" at its end (which ends the listing).
    std::string NextListed();

    std::map<std::string, Entry> entries_;  // by lower-case path without trailing backslash
    std::map<std::pair<Op, std::string>, int> failures_;
    std::optional<int> creation_error_;
    std::vector<std::string> changes_;
    std::vector<std::string> listing_;
    std::size_t listing_pos_ = 0;
    std::optional<std::pair<std::size_t, int>> listing_failure_;
    bool listing_active_ = false;
    std::uint64_t next_order_ = 0;
    std::shared_ptr<int> open_files_ = std::make_shared<int>(0);
};

class FakeShell : public platform::Shell {
public:
    void Open(const platform::ShellRequest& request) override { calls.push_back(request); }
    std::vector<platform::ShellRequest> calls;
};

struct ShownBox {
    std::string text;
    std::string title;
    platform::Icon icon;
    platform::Buttons buttons;

    friend bool operator==(const ShownBox&, const ShownBox&) = default;
};
// Writes `box` as text, icon and buttons, for test failure messages.
std::ostream& operator<<(std::ostream& out, const ShownBox& box);

class FakeMessageBoxes : public platform::MessageBoxes {
public:
    // Answers for the coming Yes/No boxes, in order; an unscripted Yes/No box is answered No.
    std::deque<platform::Answer> answers;
    std::vector<ShownBox> shown;

    platform::Answer Show(std::string_view text, std::string_view title, platform::Icon icon,
                          platform::Buttons buttons) override;
};

// Windows-1252, the ANSI code page of western Windows systems.
class FakeCodec : public platform::TextCodec {
public:
    bool IsSingleByte() const override { return true; }
    char16_t Widen(unsigned char byte) const override;
    std::u16string ToUtf16(std::string_view text) const override;
    std::string FromUtf16(std::u16string_view text) const override;
};

// All four doubles, ready to hand to the launcher's logic.
struct FakePlatform {
    FakeFileSystem files;
    FakeShell shell;
    FakeMessageBoxes boxes;
    FakeCodec codec;

    platform::Services services() { return {files, shell, boxes, codec}; }
};

}  // namespace vexar::fake
