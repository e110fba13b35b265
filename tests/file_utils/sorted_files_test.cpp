#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "file_utils/mdlGlobalFunctions.h"
#include "platform/fake/fake_platform.h"

namespace vexar {
namespace {

using Names = std::vector<std::string>;

class QuickSortTest : public ::testing::Test {
protected:
    fake::FakeCodec codec;
    BinaryCompare compare{codec};
    Randomizer random;

    Names Sorted(Names names) {
        std::sort(names.begin(), names.end(), [this](const auto& a, const auto& b) { return compare.Less(a, b); });
        return names;
    }
};

TEST_F(QuickSortTest, MatchesStdSortOnRandomArrays) {
    std::mt19937 gen(7);
    for (int size : {2, 3, 5, 10, 33, 100, 1000, 5000}) {
        for (int alphabet : {2, 5, 60}) {  // small alphabets give many duplicates
            Names names(static_cast<std::size_t>(size));
            for (auto& name : names) {
                const int length = std::uniform_int_distribution<int>(0, 6)(gen);
                for (int c = 0; c < length; ++c) {
                    name += static_cast<char>('.' + std::uniform_int_distribution<int>(0, alphabet - 1)(gen));
                }
            }
            Names sorted = names;
            QuickSortStrings(sorted, 1, size, compare, random);
            EXPECT_EQ(sorted, Sorted(names)) << "size " << size << ", alphabet " << alphabet;
        }
    }
}

TEST_F(QuickSortTest, SortedReversedAndEqualInput) {
    Names ascending;
    for (int i = 0; i < 3000; ++i) ascending.push_back("game" + std::to_string(100000 + i) + ".cfg");
    Names reversed(ascending.rbegin(), ascending.rend());
    QuickSortStrings(reversed, 1, 3000, compare, random);
    EXPECT_EQ(reversed, ascending);
    Names already = ascending;
    QuickSortStrings(already, 1, 3000, compare, random);
    EXPECT_EQ(already, ascending);
    // Many equal names: ends, and they stay together.
    Names equal(2000, "same.cfg");
    equal[123] = "a.cfg";
    QuickSortStrings(equal, 1, 2000, compare, random);
    EXPECT_EQ(equal.front(), "a.cfg");
    EXPECT_TRUE(std::all_of(equal.begin() + 1, equal.end(), [](const auto& n) { return n == "same.cfg"; }));
}

TEST_F(QuickSortTest, TouchesOnlyItsRange) {
    Names names{"z", "d", "c", "b", "a"};
    QuickSortStrings(names, 2, 4, compare, random);
    EXPECT_EQ(names, (Names{"z", "b", "c", "d", "a"}));
    for (auto [lo, hi] : {std::pair{1, 0}, {3, 3}, {5, 1}, {0, -1}}) {
        Names same = names;
        QuickSortStrings(same, lo, hi, compare, random);
        EXPECT_EQ(same, names);
    }
    EXPECT_THROW(QuickSortStrings(names, 0, 5, compare, random), RuntimeError);
    EXPECT_THROW(QuickSortStrings(names, 1, 6, compare, random), RuntimeError);
}

TEST_F(QuickSortTest, BinaryOrderOfCharacterCodes) {
    EXPECT_EQ(Sorted({"alpha2.cfg", "alpha.cfg", "Zulu.cfg", "_x.cfg", "9.cfg", "alpha"}),
              (Names{"9.cfg", "Zulu.cfg", "_x.cfg", "alpha", "alpha.cfg", "alpha2.cfg"}));
    // Bytes of 0x80 and above sort by their UTF-16 codes: the euro sign (0x80, U+20AC) after y-diaeresis
    // (0xFF, U+00FF), and the dagger (0x86, U+2020) before the euro sign.
    EXPECT_EQ(Sorted({"\x80.cfg", "\xFF.cfg", "\x86.cfg", "z.cfg"}),
              (Names{"z.cfg", "\xFF.cfg", "\x86.cfg", "\x80.cfg"}));
    EXPECT_EQ(compare.Compare("abc", "abc"), 0);
}

class SortedFilesTest : public ::testing::Test {
protected:
    fake::FakePlatform fake;
    std::int32_t count = 0;
    Names names;

    Names Run(std::string_view path = "Configs\\") {
        return SortedFiles(fake.services(), path, count, names, SkipDot::kYes, SkipDotDot::kYes);
    }
};

TEST_F(SortedFilesTest, OnlyPlainFilesEndingInLowerCaseCfg) {
    for (const char* name : {"Zulu.cfg", "alpha2.cfg", "GAME.CFG", "game.cfg.bak", "alpha.cfg", ".cfg", "cfg",
                             "x.Cfg"}) {
        fake.files.AddFile("Configs\\" + std::string(name), "");
    }
    fake.files.AddDirectory("Configs\\d.cfg");
    fake.files.AddFile("Configs\\h.cfg", "", platform::kAttrHidden);
    fake.files.AddFile("Configs\\s.cfg", "", platform::kAttrSystem);
    fake.files.AddFile("Configs\\r.cfg", "", platform::kAttrReadOnly | platform::kAttrArchive);
    const Names result = Run();
    EXPECT_EQ(names, (Names{".cfg", "Zulu.cfg", "alpha.cfg", "alpha2.cfg", "r.cfg"}));
    EXPECT_EQ(count, 5);
    EXPECT_EQ(result, names);
    EXPECT_TRUE(fake.boxes.shown.empty());
}

TEST_F(SortedFilesTest, MissingOrEmptyFolderIsNoError) {
    EXPECT_TRUE(Run().empty());
    fake.files.AddDirectory("Configs");
    fake.files.AddFile("Configs\\readme.txt", "");
    EXPECT_TRUE(Run().empty());
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(names.empty());
    EXPECT_TRUE(fake.boxes.shown.empty());
}

TEST_F(SortedFilesTest, AppendsToTheIncomingArrayAndSortsAll) {
    names = {"m.cfg", "b.cfg"};
    count = 2;
    fake.files.AddFile("Configs\\a.cfg", "");
    Run();
    EXPECT_EQ(count, 3);
    EXPECT_EQ(names, (Names{"a.cfg", "b.cfg", "m.cfg"}));
}

TEST_F(SortedFilesTest, ListingOrderDoesNotMatter) {
    const Names expected{"A.cfg", "B2.cfg", "a1.cfg", "b.cfg", "c.cfg"};
    Names order = expected;
    std::reverse(order.begin(), order.end());
    for (const auto& name : order) fake.files.AddFile("Configs\\" + name, "");
    Run();
    EXPECT_EQ(names, expected);
}

TEST_F(SortedFilesTest, FailureReportsAndKeepsTheNamesUnsorted) {
    fake.files.AddFile("Configs\\b.cfg", "");
    fake.files.AddFile("Configs\\a.cfg", "");
    fake.files.AddFile("Configs\\c.cfg", "");
    fake.files.FailOn(fake::Op::kListNext, "", 57);
    EXPECT_TRUE(Run().empty());
    ASSERT_EQ(fake.boxes.shown.size(), 1u);
    EXPECT_EQ(fake.boxes.shown[0], (fake::ShownBox{"57 Device I/O error in SortedFiles", "VexarLaunch",
                                                   platform::Icon::kNone, platform::Buttons::kOk}));
    // The first name had been accepted when the listing failed.
    EXPECT_EQ(count, 1);
    EXPECT_EQ(names, Names{"b.cfg"});
}

}  // namespace
}  // namespace vexar
