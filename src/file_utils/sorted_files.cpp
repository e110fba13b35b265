#include <algorithm>
#include <utility>

#include "file_utils/mdlGlobalFunctions.h"
#include "platform/messages.h"
#include "platform/utf.h"

namespace vexar {

bool BinaryCompare::InCodePage(std::string_view name) const {
    if (utf::IsAscii(name)) return true;
    const auto [known, added] = in_code_page_.try_emplace(std::string(name), false);
    if (added) known->second = codec_.FromUtf8(name).lacking.empty();
    return known->second;
}

int BinaryCompare::Compare(std::string_view a, std::string_view b) const {
    const bool a_held = InCodePage(a);
    if (a_held != InCodePage(b)) return a_held ? -1 : 1;
    return utf::CompareUtf16(a, b);
}

float Randomizer::Next() {
    state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return static_cast<float>(state_) / 16777216.0f;
}

void QuickSortStrings(std::vector<std::string>& strList, std::int32_t lngFirst, std::int32_t lngLast,
                      const BinaryCompare& compare, Randomizer& random) {
    std::int64_t lo = lngFirst;
    const std::int64_t hi = lngLast;
    // The right part is sorted by this loop rather than by a nested call, so that runs of equal
    // names (which all go right of the split) never deepen the recursion.
    while (lo < hi) {
        if (lo < 1 || hi > static_cast<std::int64_t>(strList.size())) Raise(kErrSubscript);
        auto at = [&strList](std::int64_t k) -> std::string& {
            return strList[static_cast<std::size_t>(k - 1)];
        };

        const double r = random.Next();
        const auto k =
            static_cast<std::int64_t>(r * static_cast<double>(hi - lo + 1) + static_cast<double>(lo));
        std::string pivot = std::move(at(k));
        if (k != lo) at(k) = std::move(at(lo));

        std::int64_t i = lo;
        std::int64_t j = hi;
        std::int64_t split = 0;
        for (;;) {
            while (j > i && !compare.Less(at(j), pivot)) --j;
            if (j <= i) {
                split = i;
                break;
            }
            at(i) = std::move(at(j));
            ++i;
            while (i < j && compare.Less(at(i), pivot)) ++i;
            if (i >= j) {
                split = j;
                break;
            }
            at(j) = std::move(at(i));
        }
        at(split) = std::move(pivot);

        QuickSortStrings(strList, static_cast<std::int32_t>(lo), static_cast<std::int32_t>(split - 1),
                         compare, random);
        lo = split + 1;
    }
}

bool HasConfigExtension(std::string_view name) {
    return name.ends_with(".cfg");
}

namespace {

Randomizer& ProgramRandomizer() {
    static Randomizer random;
    return random;
}

}  // namespace

void SortedFiles(platform::FileSystem& files, platform::MessageBoxes& boxes, const platform::TextCodec& codec,
                 std::string_view strPath, std::int32_t& lngCount, std::vector<std::string>& strFiles,
                 SkipDot blnSkipDot, SkipDotDot /*blnSkipDotDot*/) {
    // ".." never ends in ".cfg", so passing over it or not gives the same listing.
    try {
        for (std::string name = files.ListFirst(strPath, platform::ListMask::kNormal); !name.empty();
             name = files.ListNext()) {
            if (blnSkipDot == SkipDot::kYes && name == ".") continue;
            if (!HasConfigExtension(name)) continue;
            if (lngCount == INT32_MAX) Raise(kErrOverflow);
            strFiles.resize(static_cast<std::size_t>(lngCount) + 1);
            strFiles[static_cast<std::size_t>(lngCount)] = std::move(name);
            ++lngCount;
        }
        QuickSortStrings(strFiles, 1, lngCount, BinaryCompare(codec), ProgramRandomizer());
    } catch (...) {
        MsgBox(boxes, ErrorText(TrappedError()) + " in SortedFiles");
    }
}

}  // namespace vexar
