// The utilities' own decisions: line ends and the bounded read of a file's lines, the sort and its order,
// the paths the tree removal refuses, and the ways taken on Windows XP.
#include <gtest/gtest.h>

#include <random>

#include "double/platform_double.h"
#include "file_utils/mdlGlobalFunctions.h"
#include "platform/later_calls.h"
#include "platform/utf.h"

namespace vexar::testing {
namespace {

TEST(QuickSortStrings, SortsAsStdSortDoes) {
    const Cp1252Codec codec;
    std::mt19937 random(1);
    std::vector<std::vector<std::string>> inputs(3, std::vector<std::string>(1000));
    for (std::string& name : inputs[0]) name = std::to_string(random() % 5000);
    for (std::string& name : inputs[1]) name = std::string(random() % 3, 'a' + random() % 2);
    inputs.push_back(inputs[0]);
    std::sort(inputs[2].begin(), inputs[2].end());
    std::sort(inputs.back().rbegin(), inputs.back().rend());
    inputs.push_back({"one"});
    for (std::vector<std::string> names : inputs) {
        std::vector<std::string> want = names;
        std::sort(want.begin(), want.end());
        Randomizer pivots;
        QuickSortStrings(names, 1, static_cast<std::int32_t>(names.size()), BinaryCompare(codec), pivots);
        EXPECT_EQ(names, want);
    }
}

TEST(BinaryCompare, OrdersNamesTheCodePageHoldsFirstThenTheRestByUtf16Codes) {
    // Windows-1252 holds e-acute and the euro sign; A-macron, katakana, the emoji's lone first half (a
    // damaged wide name), the emoji and private use it lacks.
    std::vector<std::string> names{
        "\xEE\x80\x80", "\xF0\x9F\x98\x80", "\xED\xA0\xBD", "\xE3\x82\xB2", "\xC4\x80",
        "\xE2\x82\xAC", "\xC3\xA9",         "alpha2",       "alpha",        "Zulu"};
    const std::vector<std::string> sorted(names.rbegin(), names.rend());
    const Cp1252Codec codec;
    Randomizer pivots;
    QuickSortStrings(names, 1, static_cast<std::int32_t>(names.size()), BinaryCompare(codec), pivots);
    EXPECT_EQ(names, sorted);
    EXPECT_TRUE(BinaryCompare(codec).Less("\xE2\x82\xAC", "\xC4\x80")) << "decided on the first look";
    EXPECT_TRUE(BinaryCompare(codec).Less("\xC3\xA9", "\xC3\xAA")) << "bytes differ inside a character";
    EXPECT_THROW(QuickSortStrings(names, 0, 2, BinaryCompare(codec), pivots), RuntimeError) << "no element 0";
}

TEST(AsciiLower, MakesOnlyTheAsciiCapitalsSmall) {
    EXPECT_EQ(utf::AsciiLower("@AZ[`az{\xC3\x89"), "@az[`az{\xC3\x89");
}

TEST(Utf8, EachMalformedByteIsOneReplacementAndLoneSurrogatesAreKeptOrReplaced) {
    constexpr auto keep = utf::LoneSurrogate::kKeep, replace = utf::LoneSurrogate::kReplace;
    for (const auto& [bytes, valid, wide] : std::vector<std::tuple<std::string, bool, std::u16string>>{
             {"a\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF", true, u"a\x7F\x80\x7FF\x800\xFFFF"},
             {"\xF4\x8F\xBF\xBF\xEF\xBD\xB1\xF0\x90\x80\x80", true, u"\U0010FFFF\xFF71\U00010000"},
             {"\xC1\xBF\xE0\x9F\xBF\xC1\x80\x80\x80\xF4\x90\x80\x80", false, std::u16string(13, 0xFFFD)},
             {"\xE2(\xA1\xE2\x82", false, u"\xFFFD(\xFFFD\xFFFD\xFFFD"},
             {"\x80", false, u"\xFFFD"},
             {"\xED\xA0\x80", false, u"\xD800"},
             {"x\xED\xBF\xBF", false, u"x\xDFFF"}}) {
        std::string repaired = bytes;
        EXPECT_EQ(utf::IsValid(bytes), valid) << bytes;
        EXPECT_EQ(utf::Repair(repaired), !valid) << bytes;
        EXPECT_TRUE(utf::IsValid(repaired)) << repaired;
        EXPECT_EQ(utf::ToUtf16(bytes, keep), wide) << bytes;
        EXPECT_EQ(utf::ToUtf16(utf::FromUtf16(wide, keep), keep), wide) << bytes;
        EXPECT_TRUE(!valid || utf::FromUtf16(wide, keep) == bytes) << bytes;
        // Text for others to read: valid, character for character (a lone surrogate one U+FFFD).
        const std::string text = utf::ValidText(bytes);
        EXPECT_TRUE(utf::IsValid(text) && (text == bytes) == valid) << bytes;
        EXPECT_EQ(utf::ToUtf16(text, replace).size(), wide.size()) << bytes;
    }
}

TEST(Utf8, TextCutAtAByteCountEndsWithItsLastWholeCharacter) {
    for (const auto& [bytes, whole] :
         std::vector<std::pair<std::string, std::size_t>>{{"", 0},
                                                          {"ab", 2},
                                                          {"a\xC3", 1},
                                                          {"a\xC3\xA9", 3},
                                                          {"\xE2\x82", 0},
                                                          {"\xE2\x82\xAC", 3},
                                                          {"\xF0\x9F\x98", 0},
                                                          {"a\xF0\x9F\x98\x80", 5}})
        EXPECT_EQ(utf::LengthWithoutCutEnd(bytes), whole) << bytes;
}

TEST(ErrorText, IsTheRuntimesNumberAndDescription) {
    for (const auto& [number, text] : {std::pair{7, "7 Out of memory"},
                                       {63, "63 Bad record number"},
                                       {67, "67 Too many files"},
                                       {71, "71 Disk not ready"}})
        EXPECT_EQ(ErrorText(RuntimeError(number)), text);
}

TEST(DeleteFolderTree, UnusablePathsTouchNothing) {
    FakePlatform fakes;
    fakes.files.AddFolder("C:");
    fakes.files.AddFolder("C:\\data");
    fakes.files.AddFile("C:\\data\\file.txt");
    for (const char* path : {"", "   ", "C:\\", "C:", "data", "C:\\data\\file.txt", "C:\\missing"})
        EXPECT_EQ(DeleteFolderTree(fakes.files, path), -1) << path;
    RemoveDataFolder(fakes.files, fakes.boxes, " C:\\missing\\ ");
    EXPECT_TRUE(fakes.files.Exists("C:\\data\\file.txt"));
    // Blanks around the path and one trailing backslash are no part of it.
    fakes.files.FailOn("C:\\data\\file.txt", kErrPermissionDenied);
    RemoveDataFolder(fakes.files, fakes.boxes, " C:\\data\\ ");
    EXPECT_EQ(fakes.boxes.shown, (std::vector<ShownBox>{{"Invalid Directory C:\\missing\\ ", "VexarLaunch"},
                                                        {"An Error was occured", "VexarLaunch"}}));
    // A folder whose removal is refused gives the removal's error, after its contents went.
    fakes.files.FailOn("C:\\data\\file.txt", 0);
    fakes.files.FailOn("C:\\data", kErrPathFileAccess);
    EXPECT_EQ(DeleteFolderTree(fakes.files, "C:\\data"), kErrPathFileAccess);
    EXPECT_FALSE(fakes.files.Exists("C:\\data\\file.txt"));
}

TEST(LaterCalls, TheTickCountCountsItsLapsAndFilesGoByPathWithoutHandleCalls) {
    constexpr std::uint64_t kLap = std::uint64_t{1} << 32;
    struct Row {
        std::uint64_t previous;
        std::uint32_t now;
        std::uint64_t extended;
    };
    // The first count, the same millisecond again, the count starting again (after the last one of a lap,
    // in later laps), a count within a later lap.
    for (const Row& row : {Row{0, 1500, 1500}, Row{1500, 1500, 1500}, Row{kLap - 10, 5, kLap + 5},
                           Row{2 * kLap - 1, 0, 2 * kLap}, Row{3 * kLap + 7, 9, 3 * kLap + 9}}) {
        EXPECT_EQ(platform::ExtendTickCount(row.previous, row.now), row.extended)
            << row.previous << " " << row.now;
    }
    EXPECT_EQ(platform::ChooseFileSteps({.file_information_by_handle = true}),
              platform::FileSteps::kByHandle);
    EXPECT_EQ(platform::ChooseFileSteps({.file_information_by_handle = false}), platform::FileSteps::kByPath);
}

// Returns every line of `bytes`, then the number of the error that follows the last one.
std::vector<std::string> LinesOf(std::string bytes) {
    StringSource source(std::move(bytes));
    platform::LineSplitter splitter(source);
    std::vector<std::string> lines;
    try {
        for (;;) lines.push_back(splitter.ReadLine());
    } catch (const RuntimeError& error) {
        lines.push_back(std::to_string(error.number()));
    }
    return lines;
}

TEST(LineSplitter, EndsLinesAtCrCrLfAndLfAndCutsALineThatNeverEnds) {
    using Lines = std::vector<std::string>;
    const std::string block(4095, 'x'), cut(4 << 20, 'x');
    EXPECT_EQ(LinesOf(""), (Lines{"62"}));
    EXPECT_EQ(LinesOf("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d", "62"}));
    EXPECT_EQ(LinesOf("a\n\rb\r\n\r\n"), (Lines{"a", "", "b", "", "62"}));
    EXPECT_EQ(LinesOf(block + "\r\ny"), (Lines{block, "y", "62"})) << "CR LF split by the end of a block";
    EXPECT_EQ(LinesOf(cut + "more\r\nnext"), (Lines{cut, "62"})) << "a line that reaches 4 MiB ends the file";
}

}  // namespace
}  // namespace vexar::testing
