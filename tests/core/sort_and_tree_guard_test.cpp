// The file utilities' own decisions: the sort and its order, and the paths the tree removal refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "double/platform_double.h"
#include "file_utils/mdlGlobalFunctions.h"

namespace vexar::testing {
namespace {

std::vector<std::string> Names(std::size_t count, unsigned seed, int alphabet) {
    std::mt19937 random(seed);
    std::vector<std::string> names(count);
    for (std::string& name : names) {
        for (std::size_t length = random() % 4; length > 0; --length) name += static_cast<char>('a' + random() % alphabet);
    }
    return names;
}

TEST(QuickSortStrings, SortsAsStdSortDoes) {
    const Cp1252Codec codec;
    const BinaryCompare compare(codec);
    std::vector<std::string> sorted = Names(3000, 1, 26);
    std::sort(sorted.begin(), sorted.end());
    std::vector<std::string> reversed(sorted.rbegin(), sorted.rend());
    for (std::vector<std::string> names : {Names(1000, 2, 26), Names(1000, 3, 2), sorted, reversed,
                                           std::vector<std::string>(2000, "same"), std::vector<std::string>{"one"}}) {
        std::vector<std::string> want = names;
        std::sort(want.begin(), want.end());
        Randomizer random;
        QuickSortStrings(names, 1, static_cast<std::int32_t>(names.size()), compare, random);
        EXPECT_EQ(names, want);
    }
    // Only the range given is sorted.
    std::vector<std::string> names{"d", "c", "b", "a"};
    Randomizer random;
    QuickSortStrings(names, 2, 3, compare, random);
    QuickSortStrings(names, 1, 0, compare, random);
    EXPECT_EQ(names, (std::vector<std::string>{"d", "b", "c", "a"}));
}

TEST(BinaryCompare, OrdersByCharacterCodes) {
    const Cp1252Codec cp1252;
    const Utf8Codec utf8;
    struct Row {
        const platform::TextCodec& codec;
        std::string first, second;  // first sorts before second
    };
    for (const Row& row : {Row{cp1252, "Zulu.cfg", "alpha.cfg"}, Row{cp1252, "alpha.cfg", "alpha2.cfg"},
                           Row{cp1252, ".cfg", "0.cfg"}, Row{cp1252, "a", "ab"},
                           Row{cp1252, "\xFF.cfg", "\x80.cfg"},    // y-diaeresis U+00FF before the euro U+20AC
                           Row{utf8, "\xC3\xA9", "\xE2\x82\xAC"},   // e-acute before the euro
                           Row{utf8, "a\xC3\xA9", "a\xC3"},          // a broken sequence reads as U+FFFD,
                           Row{utf8, "a\xC3", "a\xC3z"}}) {           // which no byte prefix outranks
        const BinaryCompare compare(row.codec);
        EXPECT_LT(compare.Compare(row.first, row.second), 0) << row.first << " / " << row.second;
        EXPECT_GT(compare.Compare(row.second, row.first), 0) << row.first << " / " << row.second;
    }
}

TEST(DeleteFolderTree, UnusablePathsTouchNothing) {
    FakePlatform fakes;
    fakes.files.AddFolder("C:");
    fakes.files.AddFolder("C:\\data");
    fakes.files.AddFile("C:\\data\\file.txt");
    for (const std::string path : {"", "   ", "C:\\", "C:", "data", "C:\\data\\file.txt", "C:\\missing"}) {
        EXPECT_EQ(DeleteFolderTree(fakes.files, path), -1) << path;
    }
    RemoveDataFolder(fakes.services(), " C:\\missing\\ ");
    EXPECT_TRUE(fakes.files.Exists("C:\\data\\file.txt"));

    // Blanks around the path and one trailing backslash are no part of it.
    fakes.files.FailOn("C:\\data\\file.txt", kErrPermissionDenied);
    RemoveDataFolder(fakes.services(), " C:\\data\\ ");
    EXPECT_EQ(fakes.boxes.shown, (std::vector<ShownBox>{{"Invalid Directory C:\\missing\\ ", "VexarLaunch"},
                                                        {"An Error was occured", "VexarLaunch"}}));
}

}  // namespace
}  // namespace vexar::testing
