#include "platform/fake/fake_platform.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/line_splitter.h"

namespace vexar::fake {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Wildcard match of a name, case-insensitive: '*' any run, '?' one character. "*.*" matches every name.
bool Matches(std::string_view pattern, std::string_view name) {
    if (pattern == "*.*" || pattern == "*") return true;
    if (pattern.empty()) return name.empty();
    if (pattern[0] == '*') {
        for (std::size_t skip = 0; skip <= name.size(); ++skip) {
            if (Matches(pattern.substr(1), name.substr(skip))) return true;
        }
        return false;
    }
    if (name.empty()) return false;
    if (pattern[0] != '?' && Lower(pattern[0]) != Lower(name[0])) return false;
    return Matches(pattern.substr(1), name.substr(1));
}

std::string_view Parent(std::string_view path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
}

std::string_view Name(std::string_view path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Counts itself in the file system's open-file counter while it lives.
class OpenFileToken {
public:
    explicit OpenFileToken(std::shared_ptr<int> counter) : counter_(std::move(counter)) { ++*counter_; }
    ~OpenFileToken() { --*counter_; }
    OpenFileToken(const OpenFileToken&) = delete;
    OpenFileToken& operator=(const OpenFileToken&) = delete;

private:
    std::shared_ptr<int> counter_;
};

class FakeLineReader : public platform::LineReader {
public:
    FakeLineReader(std::string content, std::shared_ptr<int> counter)
        : token_(std::move(counter)), source_(std::move(content)), splitter_(source_) {}
    std::string ReadLine() override { return splitter_.ReadLine(); }

private:
    OpenFileToken token_;
    StringSource source_;
    platform::LineSplitter splitter_;
};

}  // namespace

std::size_t StringSource::ReadSome(std::span<char> out) {
    const std::size_t n = std::min(out.size(), content_.size() - pos_);
    std::memcpy(out.data(), content_.data() + pos_, n);
    pos_ += n;
    return n;
}

class FakeRecordFile : public platform::RecordFile {
public:
    FakeRecordFile(FakeFileSystem& files, std::string path, std::size_t record_length, bool writable)
        : files_(files), token_(files.open_files_), path_(std::move(path)), length_(record_length),
          writable_(writable) {}

    std::size_t ReadRecord(std::uint32_t number, std::span<std::uint8_t> out) override {
        if (number == 0) Raise(kErrBadRecordNumber);
        const std::string& content = files_.Find(path_)->content;
        const std::size_t start = static_cast<std::size_t>(number - 1) * length_;
        if (start >= content.size()) return 0;
        const std::size_t n = std::min({length_, out.size(), content.size() - start});
        std::memcpy(out.data(), content.data() + start, n);
        return n;
    }

    void WriteRecord(std::uint32_t number, std::span<const std::uint8_t> bytes) override {
        if (number == 0) Raise(kErrBadRecordNumber);
        if (bytes.size() > length_) Raise(kErrBadRecordLength);
        if (!writable_) Raise(kErrBadFileName);
        files_.Check(Op::kWriteRecord, path_);
        std::string& content = files_.Find(path_)->content;
        const std::size_t start = static_cast<std::size_t>(number - 1) * length_;
        if (content.size() < start + bytes.size()) content.resize(start + bytes.size(), '\0');
        std::memcpy(content.data() + start, bytes.data(), bytes.size());
    }

private:
    FakeFileSystem& files_;
    OpenFileToken token_;
    std::string path_;
    std::size_t length_;
    bool writable_;
};

std::string FakeFileSystem::Key(std::string_view path) {
    std::string key(path);
    std::replace(key.begin(), key.end(), '/', '\\');
    while (key.size() > 1 && key.back() == '\\') key.pop_back();
    std::transform(key.begin(), key.end(), key.begin(), Lower);
    return key;
}

void FakeFileSystem::Check(Op op, std::string_view path) const {
    const auto it = failures_.find({op, Key(path)});
    if (it != failures_.end()) Raise(it->second);
}

FakeFileSystem::Entry* FakeFileSystem::Find(std::string_view path) {
    const auto it = entries_.find(Key(path));
    return it == entries_.end() ? nullptr : &it->second;
}

const FakeFileSystem::Entry* FakeFileSystem::Find(std::string_view path) const {
    const auto it = entries_.find(Key(path));
    return it == entries_.end() ? nullptr : &it->second;
}

void FakeFileSystem::EnsureParents(std::string_view path) {
    const std::string_view parent = Parent(path);
    if (parent.empty() || parent.back() == ':' || Find(parent)) return;
    AddDirectory(parent);
}

bool FakeFileSystem::HasChildren(std::string_view path) const {
    const std::string prefix = Key(path) + "\\";
    const auto it = entries_.lower_bound(prefix);
    return it != entries_.end() && it->first.compare(0, prefix.size(), prefix) == 0;
}

void FakeFileSystem::AddFile(std::string_view path, std::string_view content, std::uint32_t attributes) {
    EnsureParents(path);
    Entry& entry = entries_[Key(path)];
    entry = {std::string(path), std::string(content), attributes & ~platform::kAttrDirectory, next_order_++};
}

void FakeFileSystem::AddDirectory(std::string_view path, std::uint32_t attributes) {
    std::string clean(path);
    while (clean.size() > 1 && clean.back() == '\\') clean.pop_back();
    EnsureParents(clean);
    entries_[Key(clean)] = {clean, std::string(), attributes | platform::kAttrDirectory, next_order_++};
}

void FakeFileSystem::Erase(std::string_view path) {
    const std::string key = Key(path);
    const std::string prefix = key + "\\";
    std::erase_if(entries_, [&](const auto& item) {
        return item.first == key || item.first.compare(0, prefix.size(), prefix) == 0;
    });
}

bool FakeFileSystem::Exists(std::string_view path) const { return Find(path) != nullptr; }

std::string FakeFileSystem::Content(std::string_view path) const {
    const Entry* entry = Find(path);
    return entry ? entry->content : std::string();
}

std::uint32_t FakeFileSystem::Attributes(std::string_view path) const {
    const Entry* entry = Find(path);
    return entry ? entry->attributes : 0;
}

void FakeFileSystem::FailOn(Op op, std::string_view path, int error_number) {
    failures_[{op, Key(path)}] = error_number;
}

std::string FakeFileSystem::ListFirst(std::string_view pattern, platform::ListMask mask) {
    listing_active_ = false;
    listing_.clear();
    listing_pos_ = 0;
    Check(Op::kListFirst, pattern);

    std::string full(pattern);
    std::replace(full.begin(), full.end(), '/', '\\');
    if (!full.empty() && full.back() == '\\') full += '*';
    const std::string dir = Key(Parent(full));
    const std::string name_pattern(Name(full));
    const bool wildcard = name_pattern.find_first_of("*?") != std::string::npos;

    std::vector<const Entry*> found;
    for (const auto& [key, entry] : entries_) {
        if (Key(Parent(entry.path)) != dir) continue;
        if (!Matches(name_pattern, Name(entry.path))) continue;
        if (!platform::ListMaskAdmits(mask, entry.attributes)) continue;
        found.push_back(&entry);
    }
    std::sort(found.begin(), found.end(), [](const Entry* a, const Entry* b) { return a->order < b->order; });

    // A wildcard listing of a directory that is not a drive root begins with "." and "..".
    const bool dir_exists = dir.empty() || Find(dir) != nullptr;
    if (wildcard && dir_exists && !dir.empty() && dir.back() != ':' &&
        platform::ListMaskAdmits(mask, platform::kAttrDirectory)) {
        listing_.push_back(".");
        listing_.push_back("..");
    }
    for (const Entry* entry : found) listing_.emplace_back(Name(entry->path));
    listing_active_ = true;
    return NextListed();
}

std::string FakeFileSystem::ListNext() {
    if (!listing_active_) Raise(kErrInvalidCall);
    Check(Op::kListNext, "");
    if (listing_failure_ && listing_pos_ >= listing_failure_->first) Raise(listing_failure_->second);
    return NextListed();
}

std::string FakeFileSystem::NextListed() {
    if (listing_pos_ >= listing_.size()) {
        listing_active_ = false;
        return std::string();
    }
    return listing_[listing_pos_++];
}

std::uint32_t FakeFileSystem::ReadAttributes(std::string_view path) {
    Check(Op::kReadAttributes, path);
    const Entry* entry = Find(path);
    if (!entry) Raise(kErrFileNotFound);
    return entry->attributes;
}

void FakeFileSystem::ResetAttributes(std::string_view path) {
    Check(Op::kResetAttributes, path);
    Entry* entry = Find(path);
    if (!entry) Raise(kErrFileNotFound);
    entry->attributes &= platform::kAttrDirectory;
    changes_.push_back("attr " + std::string(path));
}

void FakeFileSystem::DeleteFileAt(std::string_view path) {
    Check(Op::kDelete, path);
    const Entry* entry = Find(path);
    if (!entry || (entry->attributes & platform::kAttrDirectory)) Raise(kErrFileNotFound);
    if (entry->attributes & platform::kAttrReadOnly) Raise(kErrPathFileAccess);
    entries_.erase(Key(path));
    changes_.push_back("del " + std::string(path));
}

void FakeFileSystem::RemoveEmptyDirectory(std::string_view path) {
    Check(Op::kRemoveDir, path);
    const Entry* entry = Find(path);
    if (!entry || !(entry->attributes & platform::kAttrDirectory)) Raise(kErrPathNotFound);
    const bool link = (entry->attributes & platform::kAttrReparsePoint) != 0;
    if (!link && HasChildren(path)) Raise(kErrPathFileAccess);
    Erase(path);
    changes_.push_back("rmdir " + std::string(path));
}

std::unique_ptr<platform::LineReader> FakeFileSystem::OpenForInput(std::string_view path) {
    Check(Op::kOpenInput, path);
    const Entry* entry = Find(path);
    if (!entry) Raise(Find(Parent(path)) || Parent(path).empty() ? kErrFileNotFound : kErrPathNotFound);
    if (entry->attributes & platform::kAttrDirectory) Raise(kErrPathFileAccess);
    return std::make_unique<FakeLineReader>(entry->content, open_files_);
}

std::unique_ptr<platform::RecordFile> FakeFileSystem::OpenRecords(std::string_view path,
                                                                  std::size_t record_length,
                                                                  platform::RecordAccess access) {
    Check(Op::kOpenRecords, path);
    const bool writable = access == platform::RecordAccess::kReadWrite;
    Entry* entry = Find(path);
    if (!entry) {
        if (!writable) Raise(kErrFileNotFound);
        if (creation_error_) Raise(*creation_error_);
        AddFile(path, "");
        entry = Find(path);
    }
    if (entry->attributes & platform::kAttrDirectory) Raise(kErrPathFileAccess);
    if (writable && (entry->attributes & platform::kAttrReadOnly)) Raise(kErrPathFileAccess);
    return std::make_unique<FakeRecordFile>(*this, std::string(path), record_length, writable);
}

platform::Answer FakeMessageBoxes::Show(std::string_view text, std::string_view title, platform::Icon icon,
                                        platform::Buttons buttons) {
    shown.push_back({std::string(text), std::string(title), icon, buttons});
    if (buttons == platform::Buttons::kOk) return platform::Answer::kOk;
    if (answers.empty()) return platform::Answer::kNo;
    const platform::Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

namespace {
// Windows-1252 bytes 0x80..0x9F; the other bytes are their own code.
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
}  // namespace

char16_t FakeCodec::Widen(unsigned char byte) const {
    return (byte >= 0x80 && byte < 0xA0) ? kCp1252High[byte - 0x80] : static_cast<char16_t>(byte);
}

std::u16string FakeCodec::ToUtf16(std::string_view text) const {
    std::u16string wide;
    wide.reserve(text.size());
    for (char c : text) wide.push_back(Widen(static_cast<unsigned char>(c)));
    return wide;
}

std::string FakeCodec::FromUtf16(std::u16string_view text) const {
    std::string narrow;
    for (char16_t c : text) {
        char out = '?';
        if (c < 0x80 || (c >= 0xA0 && c < 0x100)) {
            out = static_cast<char>(c);
        } else {
            const auto it = std::find(kCp1252High.begin(), kCp1252High.end(), c);
            if (it != kCp1252High.end()) out = static_cast<char>(0x80 + (it - kCp1252High.begin()));
        }
        narrow.push_back(out);
    }
    return narrow;
}

std::ostream& operator<<(std::ostream& out, const ShownBox& box) {
    return out << "{\"" << box.text << "\", \"" << box.title << "\", icon " << static_cast<int>(box.icon)
               << ", buttons " << static_cast<int>(box.buttons) << "}";
}

}  // namespace vexar::fake
