#include "launcher_fixture.h"

namespace vexar::testing {
namespace {

using Names = std::vector<std::string>;

TEST_F(LauncherTest, ListShowsTitlesAndInvalidEntriesInSortedOrder) {
    AddConfig("b.cfg", GameText("Beta"));
    AddConfig("A.cfg", GameText("Alpha"));
    AddConfig("bad.cfg", ConfigText({"Game Title:    Not shown"}, "no marker here"));
    AddConfig("empty.cfg", "");
    AddConfig("marker.cfg", "LABELVEXARLNCH]\r\n");
    AddConfig("c.cfg", GameText("Gamma"));
    Start();
    EXPECT_EQ(view.entries, (Names{"Alpha", "Beta", "Invalid Config (bad.cfg)", "Gamma",
                                   "Invalid Config (empty.cfg)", "Invalid Config (marker.cfg)"}));
    EXPECT_EQ(view.list_batches, 1);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(form.state().lngConfigCount, 6);
    EXPECT_EQ(form.state().strConfigFiles,
              (Names{"", "A.cfg", "b.cfg", "bad.cfg", "c.cfg", "empty.cfg", "marker.cfg"}));
    EXPECT_EQ(fake.files.open_files(), 0);
}

TEST_F(LauncherTest, EmptyTitleIsNotListedButTheListKeepsItsFiles) {
    AddConfig("a.cfg", GameText("Alpha"));
    AddConfig("b.cfg", GameText(""));
    AddConfig("c.cfg", GameText("Gamma"));
    Start();
    EXPECT_EQ(view.entries, (Names{"Alpha", "Gamma"}));
    EXPECT_EQ(form.state().lngListFiles, (std::vector<std::int32_t>{1, 3}));
}

TEST_F(LauncherTest, ShortTitleLineStopsTheFillWithItsBox) {
    AddConfig("a.cfg", GameText("Alpha"));
    AddConfig("b.cfg", ConfigText({"Title: short"}));
    AddConfig("c.cfg", GameText("Gamma"));
    Start();
    EXPECT_EQ(view.entries, Names{"Alpha"});
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0], (fake::ShownBox{"5 Invalid procedure call or argument in Private Sub PopulateList",
                                          "Error !", platform::Icon::kCritical, platform::Buttons::kOk}));
    EXPECT_EQ(fake.files.open_files(), 0);
}

TEST_F(LauncherTest, UnreadableFileStopsTheFill) {
    AddConfig("a.cfg", GameText("Alpha"));
    AddConfig("b.cfg", GameText("Beta"));
    fake.files.FailOn(fake::Op::kOpenInput, "Configs\\b.cfg", 70);
    Start();
    EXPECT_EQ(view.entries, Names{"Alpha"});
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "70 Permission denied in Private Sub PopulateList");
}

TEST_F(LauncherTest, NameThatCannotBeOpenedIsListedAsInvalid) {
    AddConfig("a?.cfg", GameText("Unreachable"));
    AddConfig("b.cfg", GameText("Beta"));
    fake.files.FailOn(fake::Op::kOpenInput, "Configs\\a?.cfg", 52);
    Start();
    EXPECT_EQ(view.entries, (Names{"Invalid Config (a?.cfg)", "Beta"}));
    EXPECT_TRUE(boxes().empty());
}

TEST_F(LauncherTest, NoConfigsFolderOrNoConfigsGiveAnEmptyListSilently) {
    Start();
    EXPECT_TRUE(view.entries.empty());
    EXPECT_TRUE(boxes().empty());
    fake.files.AddFile("Configs\\readme.txt", "x");
    Start();
    EXPECT_TRUE(view.entries.empty());
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(form.state().lngConfigCount, 0);
}

TEST_F(LauncherTest, CdModeNeedsAPlainIsCdFile) {
    Start();
    EXPECT_FALSE(form.state().blnIsCD);
    fake.files.AddFile("IsCD.txt", "", platform::kAttrHidden);
    form.Form_Load();
    EXPECT_FALSE(form.state().blnIsCD);
    fake.files.AddFile("IsCD.txt", "", platform::kAttrSystem);
    form.Form_Load();
    EXPECT_FALSE(form.state().blnIsCD);
    fake.files.AddFile("IsCD.txt", "", platform::kAttrReadOnly | platform::kAttrArchive);
    form.Form_Load();
    EXPECT_TRUE(form.state().blnIsCD);
    fake.files.Erase("IsCD.txt");
    EXPECT_TRUE(form.state().blnIsCD);
}

TEST_F(LauncherTest, LoadReportsAFailedTest) {
    fake.files.FailOn(fake::Op::kListFirst, "IsCD.txt", 71);
    form.Form_Load();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "71 Disk not ready in Form_Load");
    EXPECT_EQ(boxes()[0].title, "Error !");
}

}  // namespace
}  // namespace vexar::testing
