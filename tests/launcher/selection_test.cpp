#include "launcher_fixture.h"

namespace vexar::testing {
namespace {

class SelectionTest : public LauncherTest {
protected:
    void SetUp() override {
        AddConfig("a.cfg", GameText("Alpha", "Alpha notes", "C:\\A", "a.exe", "-a", "-ahd", "aprep.exe", "-acd"));
        AddConfig("b.cfg", GameText(""));  // not listed
        AddConfig("bad.cfg", ConfigText({"Game Title:    x"}, "not a marker"));
        AddConfig("c.cfg", GameText("Gamma", "Gamma notes", "C:\\C", "c.exe"));
        AddConfig("eight.cfg", GameText("Eight").substr(0, GameText("Eight").rfind("CD Params")));
        AddConfig("short.cfg", ConfigText({"Game Title:    Short", "Notes:         n", "Start: x"}));
        Start();
        ASSERT_EQ(view.entries, (std::vector<std::string>{"Alpha", "Invalid Config (bad.cfg)", "Gamma", "Eight",
                                                          "Short"}));
    }
    void Choose(int position) {
        view.Choose(position);
        form.txtLauncher_Click();
    }
};

TEST_F(SelectionTest, ChoosingAGameReadsItsFileAndShowsItsNotes) {
    Choose(0);
    EXPECT_EQ(view.notes, "Alpha notes");
    EXPECT_EQ(form.state().game, (GameConfig{"Alpha notes", "C:\\A", "a.exe", "-a", "-ahd", "aprep.exe", "-acd"}));
    // After the unlisted b.cfg, position 2 is still c.cfg.
    Choose(2);
    EXPECT_EQ(view.notes, "Gamma notes");
    EXPECT_EQ(form.state().game.strLaunchFile, "c.exe");
    EXPECT_EQ(form.state().intSelected, 4);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(fake.files.open_files(), 0);
}

TEST_F(SelectionTest, LeavingTheListReadsTheFileAgain) {
    Choose(0);
    AddConfig("a.cfg", GameText("Alpha", "edited", "C:\\A2", "a2.exe"));
    form.txtLauncher_LostFocus();
    EXPECT_EQ(view.notes, "edited");
    EXPECT_EQ(form.state().game.strLaunchFile, "a2.exe");
}

TEST_F(SelectionTest, InvalidEntryExplainsAndClearsOnlyTheNotes) {
    Choose(0);
    Choose(1);
    EXPECT_EQ(view.notes,
              "Invalid Configuration in (bad.cfg).  Please check the configuration file and make sure it is a valid "
              "launcher configuration.  If it is, repair it. If it is not, please remove it from the 'Configs' "
              "directory if it does not belong there.");
    EXPECT_EQ(form.state().game.strNotes, "");
    EXPECT_EQ(form.state().game.strLaunchFile, "a.exe");
    EXPECT_TRUE(boxes().empty());
}

// A missing line (62) and a line shorter than its label (5): the box names the file, the lines read before
// the failure are the new game's and the others stay the previous game's, the notes box keeps its text.
TEST_F(SelectionTest, MissingOrShortLineNamesTheFile) {
    struct Case {
        int position;
        std::string text;
        GameConfig game;
    };
    const Case cases[] = {
        {3,
         "Invalid Procedure error 62.  This may mean your config file is missing a line.  You need at least the 9 "
         "line labels in the configuration file or you'll get this error.  Check the config file named  "
         "'eight.cfg '",
         {"notes", "C:\\Games", "game.exe", "", "", "", "-acd"}},
        {4,
         "Invalid Procedure error 5.  This may mean your config file is missing a line.  You at least need the 15 "
         "space label or the program will error.  Check the config file named  'short.cfg '",
         {"n", "Start: x", "a.exe", "-a", "-ahd", "aprep.exe", "-acd"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        Choose(0);
        fake.boxes.shown.clear();
        Choose(c.position);
        ASSERT_EQ(boxes().size(), 1u);
        EXPECT_EQ(boxes()[0], (fake::ShownBox{c.text, "Error !", platform::Icon::kCritical, platform::Buttons::kOk}));
        EXPECT_EQ(form.state().game, c.game);
        EXPECT_EQ(view.notes, "Alpha notes");
    }
    EXPECT_EQ(fake.files.open_files(), 0);
}

TEST_F(SelectionTest, TypedTextThatIsNoEntryAsksForAnEntry) {
    Choose(0);
    for (const char* typed : {"Gam", "Invalid Config (bad.cfg", "alpha"}) {
        view.TypeListText(typed);
        form.txtLauncher_LostFocus();
        EXPECT_EQ(view.list_text, "");
        EXPECT_EQ(view.notes, "Please choose only items from the list.");
    }
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(form.state().game.strLaunchFile, "a.exe");
}

TEST_F(SelectionTest, EmptyTextClearsTheNotes) {
    Choose(0);
    view.TypeListText("");
    form.txtLauncher_LostFocus();
    EXPECT_EQ(view.notes, "");
}

TEST_F(SelectionTest, OtherErrorsNameTheClickHandler) {
    fake.files.Erase("Configs\\c.cfg");
    Choose(2);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0], (fake::ShownBox{"53 File not found in txtLauncher_Click", "Error !",
                                          platform::Icon::kCritical, platform::Buttons::kOk}));
}

}  // namespace
}  // namespace vexar::testing
