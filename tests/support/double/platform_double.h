#pragma once
// The platform double for the core tests: an in-memory file tree with scripted failures, recorded shell
// calls, scripted message-box answers, two code pages, and the launcher's view as plain values. Rules
// that only Windows can answer are tested on real folders under Wine, not modelled here.

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <ostream>
#include <utility>
#include <vector>

#include "launcher/launcher_view.h"
#include "platform/line_splitter.h"

namespace vexar::testing {

// A file's bytes held in memory, read front to back.
class StringSource : public platform::ByteSource {
public:
    explicit StringSource(std::string content) : content_(std::move(content)) {}
    std::size_t ReadSome(std::span<char> out) override {
        const std::size_t n = std::min(out.size(), content_.size() - pos_);
        std::memcpy(out.data(), content_.data() + std::exchange(pos_, pos_ + n), n);
        return n;
    }

private:
    std::string content_;
    std::size_t pos_ = 0;
};

// Paths are compared as written. Listings take "folder\", "folder\*.*" or one name. Record files cannot
// be opened (53), as on a medium without Title.cfg that cannot create one.
class FakeFileSystem : public platform::FileSystem {
public:
    void AddFile(const std::string& path, std::string content = {}, std::uint32_t attributes = 0) {
        entries_[path] = {std::move(content), attributes};
    }
    void AddFolder(const std::string& path, std::uint32_t attributes = 0) {
        entries_[path] = {{}, attributes | platform::kAttrDirectory};
    }
    // Makes every operation that opens, lists or changes `path` raise `number`, as for a file another
    // program holds open; its attributes can still be read.
    void FailOn(const std::string& path, int number) { failures_[path] = number; }
    bool Exists(const std::string& path) const { return entries_.contains(path); }

    std::string ListFirst(std::string_view pattern, platform::ListMask mask) override;
    std::string ListNext() override;
    std::uint32_t ReadAttributes(std::string_view path) override;
    void ResetAttributes(std::string_view path) override { At(path).second &= platform::kAttrDirectory; }
    void DeleteFileAt(std::string_view path) override;
    void RemoveEmptyDirectory(std::string_view path) override;
    std::unique_ptr<platform::LineReader> OpenForInput(std::string_view path) override;
    std::unique_ptr<platform::RecordFile> OpenRecords(std::string_view, std::size_t,
                                                      platform::RecordAccess) override {
        Raise(kErrFileNotFound);
    }

private:
    // Raises the failure set for `path`, or 53 when it does not exist.
    std::pair<std::string, std::uint32_t>& At(std::string_view path);

    std::map<std::string, std::pair<std::string, std::uint32_t>, std::less<>>
        entries_;  // content, attributes
    std::map<std::string, int, std::less<>> failures_;
    std::vector<std::string> listing_;  // handed out from the back
};

class FakeShell : public platform::Shell {
public:
    void Open(const platform::ShellRequest& request) override { calls.push_back(request); }
    std::vector<platform::ShellRequest> calls;
};

struct ShownBox {
    std::string text, title;
    platform::Icon icon = platform::Icon::kNone;
    platform::Buttons buttons = platform::Buttons::kOk;
    friend bool operator==(const ShownBox&, const ShownBox&) = default;
    friend std::ostream& operator<<(std::ostream& out, const ShownBox& box) {
        return out << '"' << box.text << "\" \"" << box.title << "\" " << int(box.icon) << int(box.buttons);
    }
};

class FakeMessageBoxes : public platform::MessageBoxes {
public:
    // Answers for the coming Yes/No boxes, in order; an unscripted one is answered No.
    std::deque<platform::Answer> answers;
    std::vector<ShownBox> shown;

    platform::Answer Show(std::string_view text, std::string_view title, platform::Icon icon,
                          platform::Buttons buttons) override {
        shown.push_back({std::string(text), std::string(title), icon, buttons});
        if (buttons == platform::Buttons::kOk) return platform::Answer::kOk;
        const platform::Answer answer = answers.empty() ? platform::Answer::kNo : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
};

// A single-byte code page: Latin-1 with the euro sign at 0x80, as in Windows-1252.
class Cp1252Codec : public platform::TextCodec {
public:
    bool IsSingleByte() const override { return true; }
    char16_t Widen(unsigned char byte) const override { return byte == 0x80 ? u'\u20AC' : byte; }
    std::u16string ToUtf16(std::string_view text) const override;
    std::string FromUtf16(std::u16string_view) const override { return {}; }
};

// A multi-byte code page: UTF-8, every byte that starts no valid sequence read as U+FFFD.
class Utf8Codec : public Cp1252Codec {
public:
    bool IsSingleByte() const override { return false; }
    std::u16string ToUtf16(std::string_view text) const override;
};

// The main window's controls as plain values.
class FakeLauncherView : public LauncherView {
public:
    void AddListEntries(std::span<const std::string> added) override {
        entries.assign(added.begin(), added.end());
    }
    std::string ListText() const override { return list; }
    void SetListText(std::string_view text) override { list = text; }
    std::string NotesText() const override { return notes; }
    void SetNotesText(std::string_view text) override { notes = text; }
    std::string CommandText() const override { return command; }
    void SetCommandText(std::string_view text) override { command = text; }
    void SetCaption(std::string_view text) override { caption = text; }
    void Minimize() override {}
    void Unload() override {}

    std::vector<std::string> entries;
    std::string list, notes, command, caption = "Vexar Launcher v3.0";
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
