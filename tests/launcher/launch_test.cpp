#include "launcher_fixture.h"

namespace vexar::testing {
namespace {

using platform::ShellRequest;
using platform::ShowCommand;

class LaunchTest : public LauncherTest {
protected:
    // Selects a game with these values and presses the launch button with `typed` in the command box.
    void Launch(std::string_view defaults, std::string_view typed, std::string_view hd, std::string_view prep = "",
                std::string_view cd = "") {
        AddConfig("g.cfg", GameText("Game", "notes", "D:\\Dir", "run.exe", defaults, hd, prep, cd));
        if (view.entries.empty()) Start();
        view.Choose(0);
        form.txtLauncher_Click();
        view.command = typed;
        fake.shell.calls.clear();
        form.cmdLaunchGame_Click();
    }
    void SetCdMode() { fake.files.AddFile("IsCD.txt", ""); }
    static ShellRequest Game(std::string_view parameters) {
        return {0, "open", "run.exe", std::string(parameters), "D:\\Dir", ShowCommand::kNormal};
    }
};

TEST_F(LaunchTest, ParameterRuleInHardDriveMode) {
    struct Case {
        const char *defaults, *typed, *hd, *expected;
    };
    for (const Case& c : {Case{"D", "O", "H", "D O H"}, Case{"D", "", "H", "D H"}, Case{"D", "", "", "D"},
                          Case{"", "O", "", " O"}, Case{"", "", "H", " H"}, Case{"", "", "", ""},
                          Case{"D", "O", "", "D O"}, Case{"", "O", "H", " O H"},
                          Case{" D ", "  two  blanks ", " H", " D    two  blanks   H"}}) {
        Launch(c.defaults, c.typed, c.hd, "cd-prep.exe", "CD");
        ASSERT_EQ(fake.shell.calls.size(), 1u) << c.expected;
        EXPECT_EQ(fake.shell.calls[0], Game(c.expected));
        EXPECT_EQ(form.state().strCommandLine, c.expected);
    }
    EXPECT_TRUE(boxes().empty());
}

TEST_F(LaunchTest, CdModeOpensThePreparationProgramFirstAndUsesCdParameters) {
    SetCdMode();
    Launch("D", "O", "H", "prep.exe", "C");
    ASSERT_EQ(fake.shell.calls.size(), 2u);
    EXPECT_EQ(fake.shell.calls[0], (ShellRequest{0, "open", "prep.exe", "", "D:\\Dir", ShowCommand::kMinimized}));
    EXPECT_EQ(fake.shell.calls[1], Game("D O C"));
    // No preparation program, no CD parameters: just the game.
    Launch("D", "", "H", "", "");
    ASSERT_EQ(fake.shell.calls.size(), 1u);
    EXPECT_EQ(fake.shell.calls[0], Game("D"));
}

TEST_F(LaunchTest, PreviewShowsTheCommandAndOpensNothing) {
    Launch("D", "Show Parameters", "H");
    EXPECT_TRUE(fake.shell.calls.empty());
    EXPECT_EQ(view.notes, "run.exe D H\r\n\r\nStart Location: D:\\Dir");
    EXPECT_EQ(form.state().strCommandLine, "D H");
    EXPECT_EQ(view.command, "Show Parameters");
    Launch("", "Show Parameters", "");
    EXPECT_EQ(view.notes, "run.exe \r\n\r\nStart Location: D:\\Dir");
}

TEST_F(LaunchTest, PreviewInCdModeStillOpensThePreparationProgram) {
    SetCdMode();
    Launch("D", "Show Parameters", "H", "prep.exe", "C");
    ASSERT_EQ(fake.shell.calls.size(), 1u);
    EXPECT_EQ(fake.shell.calls[0].file, "prep.exe");
    EXPECT_EQ(view.notes, "run.exe D C\r\n\r\nStart Location: D:\\Dir");
}

TEST_F(LaunchTest, KeywordNearMissesArePassedAsOptions) {
    for (const char* typed : {"show parameters", " Show Parameters", "Show Parameters ", "Show  Parameters"}) {
        Launch("D", typed, "");
        ASSERT_EQ(fake.shell.calls.size(), 1u);
        EXPECT_EQ(fake.shell.calls[0].parameters, std::string("D ") + typed);
    }
}

TEST_F(LaunchTest, NothingHappensWithoutAValidEntry) {
    AddConfig("bad.cfg", "no marker\r\nGame Title:    x\r\n");
    Launch("D", "", "");
    fake.shell.calls.clear();
    for (const char* text : {"", "Invalid Config (bad.cfg)", "Invalid Config whatever"}) {
        view.list_text = text;
        form.cmdLaunchGame_Click();
    }
    // Shorter than the prefix: compared whole, so it launches.
    view.list_text = "Invalid";
    form.cmdLaunchGame_Click();
    EXPECT_EQ(fake.shell.calls.size(), 1u);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(LaunchTest, PressingTwiceOpensTwiceAndLeavesTheWindowAlone) {
    Launch("D", "O", "");
    form.cmdLaunchGame_Click();
    EXPECT_EQ(fake.shell.calls.size(), 2u);
    EXPECT_EQ(view.command, "O");
    EXPECT_EQ(view.notes, "notes");
    EXPECT_FALSE(view.minimized);
}

}  // namespace
}  // namespace vexar::testing
