// The sorted configuration listing and the game list fill against real folders.
#include <windows.h>

#include <gtest/gtest.h>

#include "file_utils/mdlGlobalFunctions.h"
#include "launcher/frmVexarLaunch.h"
#include "real_platform.h"

namespace vexar {
namespace {

using Names = std::vector<std::string>;

// A configuration file: the marker line, then `title_line` as line 2 and seven more value lines.
std::string Config(std::string_view title_line, std::string_view marker = "LABELVEXARLNCH]",
                   std::string_view end = "\r\n") {
    std::string text = std::string(marker) + std::string(end) + std::string(title_line) + std::string(end);
    for (int line = 3; line <= 9; ++line) text += "Value line:    " + std::to_string(line) + std::string(end);
    return text;
}

class StartUpTest : public testing::RealPlatformTest<> {
protected:
    Names Sorted(std::int32_t& count) {
        Names names;
        SortedFiles(services, "Configs\\", count, names, SkipDot::kYes, SkipDotDot::kYes);
        return names;
    }
};

TEST_F(StartUpTest, SortedFilesListsPlainCfgFilesInBinaryOrder) {
    folder.MakeFolder("Configs");
    for (const char* name :
         {"alpha2.cfg", "Zulu.cfg", "alpha.cfg", "GAME.CFG", "game.cfg.bak", ".cfg", "x.cf"}) {
        folder.WriteFile("Configs\\" + std::string(name), "");
    }
    folder.MakeFolder("Configs\\d.cfg");
    folder.WriteFile("Configs\\h.cfg", "", FILE_ATTRIBUTE_HIDDEN);
    folder.WriteFile("Configs\\s.cfg", "", FILE_ATTRIBUTE_SYSTEM);
    folder.WriteFile("Configs\\r.cfg", "", FILE_ATTRIBUTE_READONLY);

    std::int32_t count = 0;
    EXPECT_EQ(Sorted(count), (Names{".cfg", "Zulu.cfg", "alpha.cfg", "alpha2.cfg", "r.cfg"}));
    EXPECT_EQ(count, 5);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(StartUpTest, SortedFilesOrdersHighBytesByTheirCharacters) {
    if (::GetACP() != 1252) GTEST_SKIP() << "ANSI code page is " << ::GetACP();
    folder.MakeFolder("Configs");
    // In Windows-1252, 0x9E is U+017E and 0xC9 is U+00C9: by character 0xC9 comes first, by byte 0x9E.
    for (const char* name : {"\x9E.cfg", "\xC9.cfg", "\xFF.cfg", "a.cfg", "Z.cfg"}) {
        folder.WriteFile("Configs\\" + std::string(name), "");
    }
    std::int32_t count = 0;
    EXPECT_EQ(Sorted(count), (Names{"Z.cfg", "a.cfg", "\xC9.cfg", "\xFF.cfg", "\x9E.cfg"}));
}

TEST_F(StartUpTest, MissingOrEmptyConfigsFolderGivesNothingAndNoMessage) {
    std::int32_t count = 0;
    EXPECT_TRUE(Sorted(count).empty());
    EXPECT_EQ(count, 0);
    folder.MakeFolder("Configs");
    folder.WriteFile("Configs\\readme.txt", "");
    EXPECT_TRUE(Sorted(count).empty());
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(boxes.shown.empty());

    frmVexarLaunch form(services, view);
    form.Form_Initialize();
    EXPECT_TRUE(view.entries.empty());
    EXPECT_EQ(form.state().lngConfigCount, 0);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(StartUpTest, ConfigsThatIsAFileIsLikeNoConfigsFolder) {
    folder.WriteFile("Configs", "not a folder");
    frmVexarLaunch form(services, view);
    form.Form_Initialize();
    EXPECT_TRUE(view.entries.empty());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(StartUpTest, ListFillMarksBrokenFilesAndSkipsEmptyTitles) {
    folder.MakeFolder("Configs");
    folder.WriteFile("Configs\\a.cfg", Config("Title:         Alpha"));
    folder.WriteFile("Configs\\b.cfg", Config("Title:         Bravo", "labelvexarlnch]"));
    folder.WriteFile("Configs\\c.cfg", "");
    folder.WriteFile("Configs\\d.cfg", "LABELVEXARLNCH]\r\n");
    folder.WriteFile("Configs\\e.cfg", Config("Title:         "));
    folder.WriteFile("Configs\\f.cfg", Config("Title:         Foxtrot ", "LABELVEXARLNCH] extra", "\n"));

    frmVexarLaunch form(services, view);
    form.Form_Initialize();
    EXPECT_EQ(view.entries, (Names{"Alpha", "Invalid Config (b.cfg)", "Invalid Config (c.cfg)",
                                   "Invalid Config (d.cfg)", "Foxtrot "}));
    EXPECT_EQ(form.state().lngListFiles, (std::vector<std::int32_t>{1, 2, 3, 4, 6}));
    EXPECT_EQ(form.state().lngConfigCount, 6);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(StartUpTest, ShortTitleLineStopsTheFillWithTheErrorBox) {
    folder.MakeFolder("Configs");
    folder.WriteFile("Configs\\a.cfg", Config("Title:         Alpha"));
    folder.WriteFile("Configs\\b.cfg", Config("Short"));
    folder.WriteFile("Configs\\c.cfg", Config("Title:         Charlie"));

    frmVexarLaunch form(services, view);
    form.Form_Initialize();
    EXPECT_EQ(view.entries, (Names{"Alpha"}));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0], (fake::ShownBox{"5 Invalid procedure call or argument in Private Sub PopulateList",
                                              "Error !", platform::Icon::kCritical, platform::Buttons::kOk}));
}

TEST_F(StartUpTest, LockedConfigStopsTheFillWithPermissionDenied) {
    folder.MakeFolder("Configs");
    folder.WriteFile("Configs\\a.cfg", Config("Title:         Alpha"));
    const std::string locked = folder.WriteFile("Configs\\b.cfg", Config("Title:         Bravo"));
    const win32::UniqueFile hold = testing::HoldOpen(locked);

    frmVexarLaunch form(services, view);
    form.Form_Initialize();
    EXPECT_EQ(view.entries, (Names{"Alpha"}));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "70 Permission denied in Private Sub PopulateList");
}

TEST_F(StartUpTest, CdModeFollowsAPlainIsCdFile) {
    const auto cd_mode = [this] {
        frmVexarLaunch form(services, view);
        form.Form_Load();
        return form.state().blnIsCD;
    };
    EXPECT_FALSE(cd_mode());
    folder.WriteFile("IsCD.txt", "");
    EXPECT_TRUE(cd_mode());
    folder.SetAttributes("IsCD.txt", FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(cd_mode());
    folder.SetAttributes("IsCD.txt", FILE_ATTRIBUTE_SYSTEM);
    EXPECT_FALSE(cd_mode());
    folder.SetAttributes("IsCD.txt", FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(cd_mode());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(StartUpTest, IsCdFolderDoesNotCount) {
    folder.MakeFolder("IsCD.txt");
    frmVexarLaunch form(services, view);
    form.Form_Load();
    EXPECT_FALSE(form.state().blnIsCD);
}

}  // namespace
}  // namespace vexar
