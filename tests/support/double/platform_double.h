#pragma once
// The platform double for the core tests: an in-memory file tree with scripted failures, recorded shell
// calls, scripted message-box answers, two code pages, and the launcher's view as plain values. Rules
// that only Windows can answer are tested on real folders under Wine, not modelled here.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "launcher/launcher_view.h"
#include "platform/line_splitter.h"
#include "platform/platform.h"

namespace vexar::testing {

// A file's bytes held in memory, read front to back.
class StringSource : public platform::ByteSource {
public:
    explicit StringSource(std::string content) : content_(std::move(content)) {}
    std::size_t ReadSome(std::span<char> out) override {
        const std::size_t n = std::min(out.size(), content_.size() - pos_);
        std::memcpy(out.data(), content_.data() + pos_, n);
        pos_ += n;
        return n;
    }

private:
    std::string content_;
    std::size_t pos_ = 0;
};

// Paths are compared as written, with backslashes. Listings take "folder\", "folder\*.*" or one name.
// Record files cannot be opened (raise 53), as on a medium without Title.cfg that cannot create one.
class FakeFileSystem : public platform::FileSystem {
public:
    // Adds (or replaces) the file `path` holding `content`; its folders must have been added.
    void AddFile(const std::string& path, std::string content = {}, std::uint32_t attributes = 0);
    void AddFolder(const std::string& path, std::uint32_t attributes = platform::kAttrDirectory);
    // Makes every operation that opens or changes `path` (or lists it, for a pattern) raise `number`
    // from now on, as for a file another program holds open; its attributes can still be read.
    void FailOn(const std::string& path, int number) { failures_[path] = number; }
    bool Exists(const std::string& path) const { return entries_.contains(path); }

    std::string ListFirst(std::string_view pattern, platform::ListMask mask) override;
    std::string ListNext() override;
    std::uint32_t ReadAttributes(std::string_view path) override;
    void ResetAttributes(std::string_view path) override { At(path).attributes &= platform::kAttrDirectory; }
    void DeleteFileAt(std::string_view path) override;
    void RemoveEmptyDirectory(std::string_view path) override;
    std::unique_ptr<platform::LineReader> OpenForInput(std::string_view path) override;
    std::unique_ptr<platform::RecordFile> OpenRecords(std::string_view path, std::size_t,
                                                      platform::RecordAccess) override;

private:
    struct Entry {
        std::string content;
        std::uint32_t attributes = 0;
    };
    // Raises the failure set for `path`, or 53 when it does not exist.
    Entry& At(std::string_view path);

    std::map<std::string, Entry> entries_;
    std::map<std::string, int> failures_;
    std::vector<std::string> listing_;
};

class FakeShell : public platform::Shell {
public:
    void Open(const platform::ShellRequest& request) override { calls.push_back(request); }
    std::vector<platform::ShellRequest> calls;
};

struct ShownBox {
    std::string text;
    std::string title;
    platform::Icon icon = platform::Icon::kNone;
    platform::Buttons buttons = platform::Buttons::kOk;

    friend bool operator==(const ShownBox&, const ShownBox&) = default;
};
std::ostream& operator<<(std::ostream& out, const ShownBox& box);

class FakeMessageBoxes : public platform::MessageBoxes {
public:
    // Answers for the coming Yes/No boxes, in order; an unscripted one is answered No.
    std::deque<platform::Answer> answers;
    std::vector<ShownBox> shown;

    platform::Answer Show(std::string_view text, std::string_view title, platform::Icon icon,
                          platform::Buttons buttons) override;
};

// Windows-1252, the ANSI code page of western Windows systems.
class Cp1252Codec : public platform::TextCodec {
public:
    bool IsSingleByte() const override { return true; }
    char16_t Widen(unsigned char byte) const override;
    std::u16string ToUtf16(std::string_view text) const override;
    std::string FromUtf16(std::u16string_view) const override { return {}; }
};

// A multi-byte code page: UTF-8, with every byte that starts no valid sequence read as U+FFFD.
class Utf8Codec : public platform::TextCodec {
public:
    bool IsSingleByte() const override { return false; }
    char16_t Widen(unsigned char byte) const override { return byte < 0x80 ? byte : u'\uFFFD'; }
    std::u16string ToUtf16(std::string_view text) const override;
    std::string FromUtf16(std::u16string_view) const override { return {}; }
};

// The main window's controls as plain values, and the user's actions on them.
class FakeLauncherView : public LauncherView {
public:
    void AddListEntries(std::span<const std::string> added) override {
        entries.insert(entries.end(), added.begin(), added.end());
    }
    std::string ListText() const override { return list; }
    void SetListText(std::string_view text) override { list = text; }
    std::string NotesText() const override { return notes; }
    void SetNotesText(std::string_view text) override { notes = text; }
    std::string CommandText() const override { return command; }
    void SetCommandText(std::string_view text) override { command = text; }
    void SetCaption(std::string_view text) override { caption = text; }
    void Minimize() override { minimized = true; }
    void Unload() override { unloaded = true; }

    std::vector<std::string> entries;
    std::string list, notes, command, caption = "Vexar Launcher v3.0";
    bool minimized = false, unloaded = false;
};

// All the doubles, ready to hand to the launcher's logic.
struct FakePlatform {
    FakeFileSystem files;
    FakeShell shell;
    FakeMessageBoxes boxes;
    Cp1252Codec codec;

    platform::Services services() { return {files, shell, boxes, codec}; }
};

}  // namespace vexar::testing
