#pragma once
// File utilities: the sorted listing of configuration files and the removal of a directory tree.
// They work through the platform's file system and report to the user themselves; callers only
// receive counts, arrays and status codes.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/platform.h"

namespace vexar {

// Ascending binary order of the names' UTF-16 character codes, position by position; a prefix sorts
// first. Names the ANSI code page can hold come first, in that order; names it cannot hold follow them,
// in the same order among themselves.
class BinaryCompare {
public:
    explicit BinaryCompare(const platform::TextCodec& codec) : codec_(codec) {}
    // Negative, zero or positive as `a` sorts before, equal to or after `b`.
    int Compare(std::string_view a, std::string_view b) const;
    bool Less(std::string_view a, std::string_view b) const { return Compare(a, b) < 0; }

private:
    // True when the ANSI code page holds every character of `name`; asked once a name.
    bool InCodePage(std::string_view name) const;

    const platform::TextCodec& codec_;
    mutable std::unordered_map<std::string, bool> in_code_page_;
};

// The program's pseudo-random generator: never seeded, so it repeats its sequence at every start. Names in
// one folder are unique, so the pivots it picks never change the order, only the work.
class Randomizer {
public:
    // The next value, uniform in [0, 1), single precision.
    float Next();

private:
    std::uint32_t state_ = 0x50000;
};

// True when `name` ends in ".cfg", written so (case-sensitive): a name the game list takes.
bool HasConfigExtension(std::string_view name);

enum class SkipDot { kNo, kYes };
enum class SkipDotDot { kNo, kYes };

// Lists the plain files of `strPath` whose names end in ".cfg", appends them to `strFiles` (element k
// of the 1-based array is strFiles[k - 1]) and counts them into `lngCount`, then sorts 1..lngCount. A
// failure is reported in a box; `lngCount` and `strFiles` then hold the names taken so far, unsorted.
// A plain-file listing never returns "." or "..": the two options are kept for callers that pass them.
void SortedFiles(platform::FileSystem& files, platform::MessageBoxes& boxes, const platform::TextCodec& codec,
                 std::string_view strPath, std::int32_t& lngCount, std::vector<std::string>& strFiles,
                 SkipDot blnSkipDot, SkipDotDot blnSkipDotDot);

// Sorts the elements lngFirst..lngLast (1-based, inclusive) of `strList` in place with a randomised
// quicksort; raises 9 when the range leaves the array.
void QuickSortStrings(std::vector<std::string>& strList, std::int32_t lngFirst, std::int32_t lngLast,
                      const BinaryCompare& compare, Randomizer& random);

// Status of DeleteFolderTree: -1 for an unusable path, 0 for success, otherwise an error number.
inline constexpr std::int32_t kInvalidFolder = -1;

// Removes the directory `strFolder` with everything below it; returns -1, 0 or the error number of the
// step that failed. Never raises.
std::int32_t DeleteFolderTree(platform::FileSystem& files, std::string_view strFolder);

// Removes `strFolder` with DeleteFolderTree and tells the user about a failure in a message box.
void RemoveDataFolder(platform::FileSystem& files, platform::MessageBoxes& boxes, std::string_view strFolder);

}  // namespace vexar
