#include "launcher/game_config.h"

#include <gtest/gtest.h>

#include "config_text.h"
#include "error_of.h"
#include "platform/fake/fake_platform.h"

namespace vexar {
namespace {

using testing::ErrorOf;

using testing::ConfigText;

const std::initializer_list<std::string_view> kNineLines = {
    "Game Title:    Doom",    "Notes:         Rip and tear", "Start Location:C:\\Games\\Doom",
    "Launch File:   doom.exe", "Default Params:-skill 4",     "HD Params:     -hd",
    "CD Prelaunch:  prep.exe", "CD Params:     -cd"};

TEST(ValueExtraction, KeepsEverythingAfterTheLabel) {
    EXPECT_EQ(ExtractValue("Game Title:    Doom"), "Doom");
    EXPECT_EQ(ExtractValue("123456789012345"), "");
    EXPECT_EQ(ExtractValue("123456789012345  two blanks  "), "  two blanks  ");
    EXPECT_EQ(ErrorOf([] { ExtractValue("12345678901234"); }), 5);
    EXPECT_EQ(ErrorOf([] { ExtractValue(""); }), 5);
}

TEST(MarkerTest, FirstFifteenCharactersCaseSensitive) {
    EXPECT_TRUE(HasMarker("LABELVEXARLNCH]"));
    EXPECT_TRUE(HasMarker("LABELVEXARLNCH] anything after"));
    EXPECT_FALSE(HasMarker("labelvexarlnch]"));
    EXPECT_FALSE(HasMarker("LABELVEXARLNCH"));
    EXPECT_FALSE(HasMarker(" LABELVEXARLNCH]"));
    EXPECT_FALSE(HasMarker(""));
}

TEST(ListRead, TitleOrInvalidEntry) {
    fake::FakeFileSystem files;
    files.AddFile("Configs\\good.cfg", ConfigText(kNineLines));
    files.AddFile("Configs\\lower.cfg", ConfigText(kNineLines, "labelvexarlnch]"));
    files.AddFile("Configs\\extra.cfg", ConfigText(kNineLines, "LABELVEXARLNCH]  v2"));
    files.AddFile("Configs\\unix.cfg", "LABELVEXARLNCH]\nGame Title:    Quake\n");
    files.AddFile("Configs\\blank.cfg", ConfigText({"Game Title:    "}));
    EXPECT_EQ(ListRead(files, "good.cfg"), "Doom");
    EXPECT_EQ(ListRead(files, "lower.cfg"), "Invalid Config (lower.cfg)");
    EXPECT_EQ(ListRead(files, "extra.cfg"), "Doom");
    EXPECT_EQ(ListRead(files, "unix.cfg"), "Quake");
    EXPECT_EQ(ListRead(files, "blank.cfg"), "");
    EXPECT_EQ(files.open_files(), 0);
}

TEST(ListRead, FailuresRaiseAndCloseTheFile) {
    fake::FakeFileSystem files;
    files.AddFile("Configs\\empty.cfg", "");
    files.AddFile("Configs\\marker-only.cfg", "LABELVEXARLNCH]");
    files.AddFile("Configs\\short.cfg", ConfigText({"Title: x"}));
    files.AddFile("Configs\\short-bad-marker.cfg", ConfigText({"Title: x"}, "nothing"));
    EXPECT_EQ(ErrorOf([&] { ListRead(files, "empty.cfg"); }), 62);
    EXPECT_EQ(ErrorOf([&] { ListRead(files, "marker-only.cfg"); }), 62);
    EXPECT_EQ(ErrorOf([&] { ListRead(files, "short.cfg"); }), 5);
    // The title is extracted before the marker is tested.
    EXPECT_EQ(ErrorOf([&] { ListRead(files, "short-bad-marker.cfg"); }), 5);
    EXPECT_EQ(ErrorOf([&] { ListRead(files, "missing.cfg"); }), 53);
    EXPECT_EQ(files.open_files(), 0);
}

TEST(FullRead, ReadsLinesThreeToNineOnly) {
    fake::FakeFileSystem files;
    std::string text = ConfigText(kNineLines, "wrong marker is not tested again");
    text += "A tenth line\r\nshort\r\n";
    files.AddFile("Configs\\doom.cfg", text);
    GameConfig game;
    FullRead(files, "doom.cfg", game);
    EXPECT_EQ(game, (GameConfig{"Rip and tear", "C:\\Games\\Doom", "doom.exe", "-skill 4", "-hd", "prep.exe",
                                "-cd"}));
    EXPECT_EQ(files.open_files(), 0);
}

TEST(FullRead, FailurePartWayKeepsTheFieldsReadSoFar) {
    const GameConfig before{"old notes", "old dir", "old.exe", "old", "old hd", "old prep", "old cd"};
    fake::FakeFileSystem files;
    files.AddFile("Configs\\eight.cfg", ConfigText({"Game Title:    New", "Notes:         new notes",
                                               "Start Location:new dir", "Launch File:   new.exe",
                                               "Default Params:new", "HD Params:     new hd",
                                               "CD Prelaunch:  new prep"}));
    GameConfig game = before;
    EXPECT_EQ(ErrorOf([&] { FullRead(files, "eight.cfg", game); }), 62);
    EXPECT_EQ(game, (GameConfig{"new notes", "new dir", "new.exe", "new", "new hd", "new prep", "old cd"}));

    files.AddFile("Configs\\short.cfg", ConfigText({"Game Title:    New", "Notes:         new notes",
                                               "Start:c:\\", "Launch File:   new.exe"}));
    game = before;
    EXPECT_EQ(ErrorOf([&] { FullRead(files, "short.cfg", game); }), 5);
    // The short line stands whole in its field.
    EXPECT_EQ(game, (GameConfig{"new notes", "Start:c:\\", "old.exe", "old", "old hd", "old prep", "old cd"}));
    EXPECT_EQ(files.open_files(), 0);
}

}  // namespace
}  // namespace vexar
