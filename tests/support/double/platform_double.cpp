#include "platform_double.h"

namespace vexar::testing {

namespace {

// The folder part of `path` ("" for a bare name) and the name part.
std::string_view FolderOf(std::string_view path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
}

std::string_view NameOf(std::string_view path) { return path.substr(path.find_last_of('\\') + 1); }

}  // namespace

void FakeFileSystem::AddFile(const std::string& path, std::string content, std::uint32_t attributes) {
    entries_[path] = {std::move(content), attributes};
}

void FakeFileSystem::AddFolder(const std::string& path, std::uint32_t attributes) {
    entries_[path] = {{}, attributes | platform::kAttrDirectory};
}

FakeFileSystem::Entry& FakeFileSystem::At(std::string_view path) {
    const std::string key(path);
    if (failures_.contains(key)) Raise(failures_[key]);
    const auto found = entries_.find(key);
    if (found == entries_.end()) Raise(kErrFileNotFound);
    return found->second;
}

std::uint32_t FakeFileSystem::ReadAttributes(std::string_view path) {
    const auto found = entries_.find(std::string(path));
    if (found == entries_.end()) Raise(kErrFileNotFound);
    return found->second.attributes;
}

std::string FakeFileSystem::ListFirst(std::string_view pattern, platform::ListMask mask) {
    if (failures_.contains(std::string(pattern))) Raise(failures_[std::string(pattern)]);
    const bool whole_folder = pattern.ends_with('\\') || pattern.ends_with("\\*.*");
    const std::string_view folder = FolderOf(pattern);
    listing_.clear();
    for (const auto& [path, entry] : entries_) {
        const bool listed = whole_folder ? FolderOf(path) == folder : path == pattern;
        if (listed && platform::ListMaskAdmits(mask, entry.attributes)) listing_.emplace_back(NameOf(path));
    }
    std::reverse(listing_.begin(), listing_.end());  // handed out from the back
    return ListNext();
}

std::string FakeFileSystem::ListNext() {
    if (listing_.empty()) return {};
    std::string name = std::move(listing_.back());
    listing_.pop_back();
    return name;
}

void FakeFileSystem::DeleteFileAt(std::string_view path) {
    if (At(path).attributes & platform::kAttrDirectory) Raise(kErrPathFileAccess);
    entries_.erase(std::string(path));
}

void FakeFileSystem::RemoveEmptyDirectory(std::string_view path) {
    At(path);
    for (const auto& [other, entry] : entries_) {
        if (FolderOf(other) == path) Raise(kErrPathFileAccess);
    }
    entries_.erase(std::string(path));
}

std::unique_ptr<platform::LineReader> FakeFileSystem::OpenForInput(std::string_view path) {
    // The reader owns its source; the splitter reads from it.
    struct Reader : platform::LineReader {
        explicit Reader(std::string content) : source(std::move(content)) {}
        std::string ReadLine() override { return lines.ReadLine(); }
        StringSource source;
        platform::LineSplitter lines{source};
    };
    return std::make_unique<Reader>(At(path).content);
}

std::unique_ptr<platform::RecordFile> FakeFileSystem::OpenRecords(std::string_view, std::size_t,
                                                                  platform::RecordAccess) {
    Raise(kErrFileNotFound);
}

std::ostream& operator<<(std::ostream& out, const ShownBox& box) {
    return out << "{\"" << box.text << "\", \"" << box.title << "\", icon " << static_cast<int>(box.icon)
               << ", buttons " << static_cast<int>(box.buttons) << "}";
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

char16_t Cp1252Codec::Widen(unsigned char byte) const {
    // 0x80 to 0x9F hold typographic characters; the rest is Latin-1.
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : byte;
}

std::u16string Cp1252Codec::ToUtf16(std::string_view text) const {
    std::u16string wide;
    for (const char c : text) wide.push_back(Widen(static_cast<unsigned char>(c)));
    return wide;
}

std::u16string Utf8Codec::ToUtf16(std::string_view text) const {
    std::u16string wide;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >> 5 == 6 ? 2 : lead >> 4 == 14 ? 3 : lead >> 3 == 30 ? 4 : 0;
        char32_t code = length == 1 ? lead : lead & (0xFF >> (length + 1));
        bool valid = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto trail = static_cast<unsigned char>(text[i + k]);
            valid = trail >> 6 == 2;
            code = code << 6 | (trail & 0x3F);
        }
        if (!valid) {
            wide.push_back(u'\uFFFD');
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            wide.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
            code = 0xDC00 + ((code - 0x10000) & 0x3FF);
        }
        wide.push_back(static_cast<char16_t>(code));
        i += length;
    }
    return wide;
}

}  // namespace vexar::testing
