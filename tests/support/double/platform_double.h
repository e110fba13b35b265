#pragma once
// The platform double for the core tests: an in-memory file tree with scripted failures, recorded shell
// calls, scripted message-box answers, a code page, and the launcher's view as plain values. Rules
// that only Windows can answer are tested on real folders under Wine, not modelled here.

#include <algorithm>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <utility>
#include <vector>

#include "launcher/launcher_rules.h"
#include "launcher/launcher_view.h"
#include "notes_window/notes_view.h"
#include "platform/line_splitter.h"
#include "platform/utf.h"

namespace vexar::testing {

// A file's bytes held in memory, read front to back.
struct StringSource : platform::ByteSource {
    explicit StringSource(std::string bytes) : content(std::move(bytes)) {}
    std::size_t ReadSome(std::span<char> out) override {
        const std::size_t n = std::min(out.size(), content.size() - pos);
        std::memcpy(out.data(), content.data() + std::exchange(pos, pos + n), n);
        return n;
    }
    std::string content;
    std::size_t pos = 0;
};

// Paths are compared as written, except that a listing of one name finds it in any ASCII case and takes
// Windows' wildcards (* and < for any characters, ?, > and " for any one), as Windows does. Listings take
// "folder\", "folder\*.*" or one name; a whole folder's listing begins with "." and "..", as Windows
// lists a folder that is not a drive's root. It writes whole files over the same tree; a stamp is the
// file's size and a hash of its bytes.
class FakeFileSystem : public platform::FileSystem, public platform::FileWriter {
public:
    // Called with the operation's name and path before each WriteWhole, Replace (the target), MoveNew (the
    // new name), Stamp and OpenForInput: a test fails a step by raising here, or changes a file first. The
    // writes ignore attributes: a read-only file or medium is such a failure.
    std::function<void(std::string_view operation, std::string_view path)> before;

    void AddFile(const std::string& path, std::string content = {}, std::uint32_t attributes = 0) {
        entries_[path] = {std::move(content), attributes};
    }
    void AddFolder(const std::string& path) { AddFile(path, {}, platform::kAttrDirectory); }
    // Makes every operation that opens, lists or changes `path` raise `number`, as for a file another
    // program holds open; its attributes can still be read. Number 0 ends that.
    void FailOn(const std::string& path, int number) {
        number != 0 ? void(failures_[path] = number) : void(failures_.erase(path));
    }
    bool Exists(const std::string& path) const { return entries_.contains(path); }

    std::string ListFirst(std::string_view pattern, platform::ListMask mask) override {
        Check(pattern);
        listing_.clear();
        const bool whole_folder = pattern.ends_with('\\') || pattern.ends_with("\\*.*");
        for (const auto& [path, entry] : entries_) {
            if ((whole_folder ? Folder(path) == Folder(pattern) : Matches(pattern, path)) &&
                platform::ListMaskAdmits(mask, entry.second)) {
                listing_.insert(listing_.begin(), path.substr(path.find_last_of('\\') + 1));
            }
        }
        if (whole_folder && Exists(std::string(Folder(pattern))) &&
            platform::ListMaskAdmits(mask, platform::kAttrDirectory)) {
            listing_.insert(listing_.end(), {"..", "."});
        }
        return ListNext();
    }
    std::string ListNext() override {
        std::string name = listing_.empty() ? "" : std::move(listing_.back());
        if (!listing_.empty()) listing_.pop_back();
        return name;
    }
    std::uint32_t ReadAttributes(std::string_view path) override {
        const auto found = entries_.find(path);
        if (found == entries_.end()) Raise(kErrFileNotFound);
        return found->second.second;
    }
    void ResetAttributes(std::string_view path) override { At(path).second &= platform::kAttrDirectory; }
    void DeleteFileAt(std::string_view path, platform::AttributeReset reset) override {
        if (reset == platform::AttributeReset::kFirst) ResetAttributes(path);
        if (At(path).second & platform::kAttrDirectory) Raise(kErrPathFileAccess);
        entries_.erase(entries_.find(path));
    }
    void RemoveEmptyDirectory(std::string_view path) override {
        At(path);
        for (const auto& entry : entries_)
            if (Folder(entry.first) == path) Raise(kErrPathFileAccess);
        entries_.erase(entries_.find(path));
    }
    std::unique_ptr<platform::ByteSource> OpenForInput(std::string_view path) override {
        if (before) before("OpenForInput", path);
        return std::make_unique<StringSource>(At(path).first);
    }
    std::unique_ptr<platform::RecordFile> OpenRecords(std::string_view path, std::size_t length,
                                                      platform::RecordAccess access) override {
        struct Records : platform::RecordFile {  // the file's content, `length` bytes a record
            Records(std::string& b, std::size_t l) : bytes(b), length(l) {}
            std::size_t ReadRecord(std::uint32_t number, std::span<std::uint8_t> out) override {
                const std::string record =
                    bytes.substr(std::min(bytes.size(), (number - 1) * length), length);
                return std::copy(record.begin(), record.end(), out.begin()) - out.begin();
            }
            void WriteRecord(std::uint32_t number, std::span<const std::uint8_t> in) override {
                bytes.resize(std::max(bytes.size(), (number - 1) * length + in.size()));
                std::copy(in.begin(), in.end(), bytes.begin() + (number - 1) * length);
            }
            std::string& bytes;
            std::size_t length;
        };
        if (access == platform::RecordAccess::kReadWrite && !entries_.contains(path))
            AddFile(std::string(path));
        return std::make_unique<Records>(At(path).first, length);
    }
    void WriteWhole(std::string_view path, std::string_view bytes) override {
        if (before) before("WriteWhole", path);
        AddFile(std::string(path), std::string(bytes));
    }
    void Replace(std::string_view target, std::string_view replacement) override {
        if (before) before("Replace", target);
        At(target).first = At(replacement).first;
        entries_.erase(entries_.find(replacement));
    }
    void MoveNew(std::string_view from, std::string_view to) override {
        if (before) before("MoveNew", to);
        if (Exists(std::string(to))) Raise(kErrFileExists);
        entries_[std::string(to)] = At(from);
        entries_.erase(entries_.find(from));
    }
    platform::FileStamp Stamp(std::string_view path) override {
        if (before) before("Stamp", path);
        return {At(path).first.size(), std::hash<std::string>{}(At(path).first)};
    }
    void MakeFolder(std::string_view path) override {
        if (before) before("MakeFolder", path);
        if (Exists(std::string(path))) Raise(kErrFileExists);
        AddFolder(std::string(path));
    }
    std::string Content(const std::string& path) const { return entries_.at(path).first; }

private:
    static bool Matches(std::string_view pattern, std::string_view path) {
        if (pattern.empty()) return path.empty();
        const char p = pattern.front();
        if (p == '*' || p == '<') {
            return Matches(pattern.substr(1), path) || (!path.empty() && Matches(pattern, path.substr(1)));
        }
        const bool one = !path.empty() && (std::string_view("?>\"").find(p) != std::string_view::npos ||
                                           utf::AsciiLower({&p, 1}) == utf::AsciiLower(path.substr(0, 1)));
        return one && Matches(pattern.substr(1), path.substr(1));
    }
    // The folder part of `path`; "" for a bare name.
    static std::string_view Folder(std::string_view path) {
        const auto slash = path.find_last_of('\\');
        return slash == path.npos ? std::string_view() : path.substr(0, slash);
    }
    void Check(std::string_view path) const {
        if (const auto failure = failures_.find(path); failure != failures_.end()) Raise(failure->second);
    }
    // Raises the failure set for `path`, or 53 when it does not exist.
    std::pair<std::string, std::uint32_t>& At(std::string_view path) {
        Check(path);
        ReadAttributes(path);
        return entries_.find(path)->second;
    }

    std::map<std::string, std::pair<std::string, std::uint32_t>, std::less<>>
        entries_;  // content, attributes
    std::map<std::string, int, std::less<>> failures_;
    std::vector<std::string> listing_;  // handed out from the back
};

// Records every request; refuses those for the files in `refusals`, with their reason.
struct FakeShell : platform::Shell {
    std::optional<std::string> Open(const platform::ShellRequest& request) override {
        calls.push_back(request);
        const auto refused = refusals.find(request.file);
        return refused == refusals.end() ? std::nullopt : std::optional(refused->second);
    }
    std::vector<platform::ShellRequest> calls;
    std::map<std::string, std::string> refusals;
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

struct FakeMessageBoxes : platform::MessageBoxes {
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
struct Cp1252Codec : platform::TextCodec {
    std::string ToUtf8(std::string_view bytes) const override {
        std::string text;
        for (const char c : bytes)
            utf::AppendCodePoint(text, c == '\x80' ? U'\u20AC' : static_cast<unsigned char>(c));
        return text;
    }
    platform::AnsiText FromUtf8(std::string_view text) const override {
        platform::AnsiText ansi;
        for (const char16_t c : utf::ToUtf16(text, utf::LoneSurrogate::kKeep)) {
            const bool held = c < 0x80 || (c >= 0xA0 && c <= 0xFF) || c == u'\u20AC';
            ansi.bytes += held ? static_cast<char>(c == u'\u20AC' ? 0x80 : c) : '?';
            const std::string character = utf::FromUtf16(std::u16string(1, c), utf::LoneSurrogate::kKeep);
            if (!held && ansi.lacking.find(character) == std::string::npos) ansi.lacking += character;
        }
        return ansi;
    }
};

// What a Windows control shows of `text`: the text ends at its first NUL, and a byte that starts no valid
// UTF-8 sequence becomes U+FFFD.
inline std::string ShownByControl(std::string_view text) {
    return utf::FromUtf16(utf::ToUtf16(text.substr(0, text.find('\0')), utf::LoneSurrogate::kKeep),
                          utf::LoneSurrogate::kKeep);
}

// The main window's controls as plain values; every one raises `failure` while it is set.
class FakeLauncherView : public LauncherView {
public:
    void AddListEntries(std::span<const std::string> added) override {
        entries.insert(entries.end(), added.begin(), added.end());
    }
    std::string ListText() const override { return Checked(list); }
    void SetListText(std::string_view text) override { list = ShownByControl(Checked(text)); }
    std::string NotesText() const override { return Checked(notes); }
    void SetNotesText(std::string_view text) override { notes = Checked(text); }
    std::string CommandText() const override { return Checked(command); }
    void SetCommandText(std::string_view text) override { command = Checked(text); }
    void SetCaption(std::string_view text) override { caption = Checked(text); }
    void Minimize() override { Checked(""); }
    void Destroy() override {
        Checked("");
        ++destroyed;
        if (on_destroy) on_destroy();
    }

    std::vector<std::string> entries;
    std::string list, notes, command, caption{kDesignedCaption};
    int failure = 0;
    int destroyed = 0;
    std::function<void()> on_destroy;

private:
    std::string Checked(std::string_view text) const {
        if (failure) Raise(failure);
        return std::string(text);
    }
};

// The notes window as plain values; loading and unloading raise `failure` while it is set.
struct FakeNotesView : NotesView {
    void Load() override { loaded = failure ? Raise(failure), false : true; }
    void ShowOwned() override { shown = loaded; }
    void SetText(std::string_view value) override { text = value; }
    void Unload() override { loaded = shown = failure ? Raise(failure), true : false; }

    bool loaded = false, shown = false;
    std::string text;
    int failure = 0;
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
