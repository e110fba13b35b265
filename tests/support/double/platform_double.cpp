#include "platform_double.h"

namespace vexar::testing {

namespace {

// The folder part of `path` ("" for a bare name).
std::string_view FolderOf(std::string_view path) {
    return path.substr(0, std::min(path.find_last_of('\\'), path.size()));
}

}  // namespace

std::pair<std::string, std::uint32_t>& FakeFileSystem::At(std::string_view path) {
    if (const auto failure = failures_.find(path); failure != failures_.end()) Raise(failure->second);
    ReadAttributes(path);
    return entries_.find(path)->second;
}

std::uint32_t FakeFileSystem::ReadAttributes(std::string_view path) {
    const auto found = entries_.find(path);
    if (found == entries_.end()) Raise(kErrFileNotFound);
    return found->second.second;
}

std::string FakeFileSystem::ListFirst(std::string_view pattern, platform::ListMask mask) {
    if (const auto failure = failures_.find(pattern); failure != failures_.end()) Raise(failure->second);
    const bool whole_folder = pattern.ends_with('\\') || pattern.ends_with("\\*.*");
    listing_.clear();
    for (const auto& [path, entry] : entries_) {
        const bool listed = whole_folder ? FolderOf(path) == FolderOf(pattern) : path == pattern;
        if (listed && platform::ListMaskAdmits(mask, entry.second))
            listing_.push_back(path.substr(path.find_last_of('\\') + 1));
    }
    std::reverse(listing_.begin(), listing_.end());
    return ListNext();
}

std::string FakeFileSystem::ListNext() {
    if (listing_.empty()) return {};
    std::string name = std::move(listing_.back());
    listing_.pop_back();
    return name;
}

void FakeFileSystem::DeleteFileAt(std::string_view path) {
    if (At(path).second & platform::kAttrDirectory) Raise(kErrPathFileAccess);
    entries_.erase(entries_.find(path));
}

void FakeFileSystem::RemoveEmptyDirectory(std::string_view path) {
    At(path);
    for (const auto& entry : entries_) {
        if (FolderOf(entry.first) == path && entry.first != path) Raise(kErrPathFileAccess);
    }
    entries_.erase(entries_.find(path));
}

std::unique_ptr<platform::LineReader> FakeFileSystem::OpenForInput(std::string_view path) {
    struct Reader : platform::LineReader {  // owns the source its splitter reads
        explicit Reader(std::string content) : source(std::move(content)) {}
        std::string ReadLine() override { return lines.ReadLine(); }
        StringSource source;
        platform::LineSplitter lines{source};
    };
    return std::make_unique<Reader>(At(path).first);
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
        const std::size_t length = lead < 0x80 ? 1 : lead >> 5 == 6 ? 2 : lead >> 4 == 14 ? 3 : 0;
        char32_t code = length == 1 ? lead : lead & (0xFF >> (length + 1));
        bool valid = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            valid = static_cast<unsigned char>(text[i + k]) >> 6 == 2;
            code = code << 6 | (text[i + k] & 0x3F);
        }
        wide.push_back(valid ? static_cast<char16_t>(code) : u'\uFFFD');
        i += valid ? length : 1;
    }
    return wide;
}

}  // namespace vexar::testing
