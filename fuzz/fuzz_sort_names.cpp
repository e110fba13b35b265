// Fuzzes the sort of configuration names: QuickSortStrings on arbitrary names must give the order of
// std::sort with the same comparison, which must itself be a strict weak order. The names are the input's
// lines, made what the listing gives: UTF-8 from UTF-16 (unpaired surrogates included).
#include <algorithm>
#include <cstdlib>

#include "double/platform_double.h"
#include "file_utils/mdlGlobalFunctions.h"
#include "platform/utf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vexar::testing::Cp1252Codec codec;
    const vexar::BinaryCompare compare(codec);
    std::vector<std::string> names;
    constexpr auto keep = vexar::utf::LoneSurrogate::kKeep;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (std::size_t pos = 0; pos <= bytes.size(); pos = std::min(bytes.find('\n', pos), bytes.size()) + 1) {
        names.push_back(vexar::utf::FromUtf16(
            vexar::utf::ToUtf16(bytes.substr(pos, bytes.find('\n', pos) - pos), keep), keep));
    }
    const std::size_t n = std::min<std::size_t>(names.size(), 12);
    for (std::size_t a = 0; a < n; ++a) {
        for (std::size_t b = 0; b < n; ++b) {
            if (compare.Compare(names[a], names[b]) != -compare.Compare(names[b], names[a])) std::abort();
            for (std::size_t c = 0; c < n; ++c) {
                const bool transitive = !compare.Less(names[a], names[b]) ||
                                        !compare.Less(names[b], names[c]) || compare.Less(names[a], names[c]);
                if (!transitive) std::abort();
            }
        }
    }
    std::vector<std::string> want = names;
    std::sort(want.begin(), want.end(),
              [&compare](const auto& a, const auto& b) { return compare.Less(a, b); });
    vexar::Randomizer random;
    vexar::QuickSortStrings(names, 1, static_cast<std::int32_t>(names.size()), compare, random);
    for (std::size_t k = 0; k < names.size(); ++k)
        if (compare.Compare(names[k], want[k]) != 0) std::abort();
    std::sort(names.begin(), names.end());
    std::sort(want.begin(), want.end());
    if (names != want) std::abort();  // the same names, none lost or doubled
    return 0;
}
