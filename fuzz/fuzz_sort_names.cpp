// Fuzzes the sort of configuration names: QuickSortStrings on arbitrary names, and SortedFiles on a
// folder holding them, both checked against std::sort with the same comparison. The first input byte
// picks the code page (single-byte Windows-1252, or a multi-byte one); the names follow, one per line.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "file_utils/mdlGlobalFunctions.h"
#include "platform/fake/fake_platform.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// A multi-byte code page: UTF-8, with every byte that starts no valid sequence read as U+FFFD.
class Utf8Codec : public vexar::platform::TextCodec {
public:
    bool IsSingleByte() const override { return false; }
    char16_t Widen(unsigned char byte) const override { return byte < 0x80 ? byte : u'\uFFFD'; }
    std::u16string ToUtf16(std::string_view text) const override {
        std::u16string wide;
        std::size_t i = 0;
        while (i < text.size()) {
            const auto lead = static_cast<unsigned char>(text[i]);
            const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
            bool valid = length > 0 && i + length <= text.size();
            char32_t code = length == 1 ? lead : length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
            for (std::size_t k = 1; valid && k < length; ++k) {
                const auto trail = static_cast<unsigned char>(text[i + k]);
                valid = (trail >> 6) == 0x2;
                code = (code << 6) | (trail & 0x3F);
            }
            if (!valid) {
                wide.push_back(u'\uFFFD');
                ++i;
                continue;
            }
            if (code >= 0x10000) {
                code -= 0x10000;
                wide.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
                wide.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
            } else {
                wide.push_back(static_cast<char16_t>(code));
            }
            i += length;
        }
        return wide;
    }
    std::string FromUtf16(std::u16string_view) const override { return std::string(); }
};

std::vector<std::string> SplitNames(std::string_view bytes) {
    std::vector<std::string> names;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t stop = bytes.find('\n', pos);
        names.emplace_back(bytes.substr(pos, stop == std::string_view::npos ? std::string_view::npos : stop - pos));
        if (stop == std::string_view::npos) return names;
        pos = stop + 1;
    }
}

// True when `got` is in order and holds, place by place, names equal (by `compare`) to `want`.
bool SameOrder(const std::vector<std::string>& got, const std::vector<std::string>& want,
               const vexar::BinaryCompare& compare) {
    if (got.size() != want.size()) return false;
    for (std::size_t k = 0; k < got.size(); ++k) {
        if (compare.Compare(got[k], want[k]) != 0) return false;
    }
    return std::multiset<std::string>(got.begin(), got.end()) == std::multiset<std::string>(want.begin(), want.end());
}

void CheckQuickSort(std::vector<std::string> names, const vexar::BinaryCompare& compare) {
    const auto less = [&compare](const std::string& a, const std::string& b) { return compare.Less(a, b); };
    // The comparison must be a strict weak order, or no sort could be checked against it.
    for (std::size_t a = 0; a < names.size() && a < 24; ++a) {
        Require(!less(names[a], names[a]));
        for (std::size_t b = 0; b < names.size() && b < 24; ++b) {
            Require(compare.Compare(names[a], names[b]) == -compare.Compare(names[b], names[a]));
        }
    }
    std::vector<std::string> want = names;
    std::sort(want.begin(), want.end(), less);
    vexar::Randomizer random;

    // A middle range first: the elements outside it stay where they are.
    const auto n = static_cast<std::int32_t>(names.size());
    if (n >= 3) {
        std::vector<std::string> part = names;
        vexar::QuickSortStrings(part, 2, n - 1, compare, random);
        Require(part.front() == names.front() && part.back() == names.back());
        std::vector<std::string> middle(names.begin() + 1, names.end() - 1);
        std::sort(middle.begin(), middle.end(), less);
        Require(SameOrder(std::vector<std::string>(part.begin() + 1, part.end() - 1), middle, compare));
    }
    vexar::QuickSortStrings(names, 1, n, compare, random);
    Require(SameOrder(names, want, compare));
}

std::string Lower(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

void CheckSortedFiles(const std::vector<std::string>& names, vexar::platform::TextCodec& codec) {
    vexar::fake::FakePlatform fake;
    const vexar::BinaryCompare compare(codec);
    std::set<std::string> seen;  // folder names are unique regardless of case
    std::vector<std::string> want;
    for (const std::string& name : names) {
        if (name.empty() || name == "." || name == ".." || name.find_first_of("\\/") != std::string::npos) continue;
        if (!seen.insert(Lower(name)).second) continue;
        fake.files.AddFile("Configs\\" + name, "");
        if (name.size() >= 4 ? name.ends_with(".cfg") : name == ".cfg") want.push_back(name);
    }
    std::sort(want.begin(), want.end(), [&compare](const std::string& a, const std::string& b) { return compare.Less(a, b); });

    std::int32_t count = 0;
    std::vector<std::string> files;
    const vexar::platform::Services services{fake.files, fake.shell, fake.boxes, codec};
    const std::vector<std::string> result =
        vexar::SortedFiles(services, "Configs\\", count, files, vexar::SkipDot::kYes, vexar::SkipDotDot::kYes);
    Require(fake.boxes.shown.empty());
    Require(count == static_cast<std::int32_t>(want.size()));
    Require(SameOrder(files, want, compare));
    Require(result == files);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    vexar::fake::FakeCodec cp1252;
    Utf8Codec utf8;
    vexar::platform::TextCodec& codec = (data[0] & 1) ? static_cast<vexar::platform::TextCodec&>(utf8) : cp1252;
    const std::vector<std::string> names = SplitNames(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    CheckQuickSort(names, vexar::BinaryCompare(codec));
    CheckSortedFiles(names, codec);
    return 0;
}
