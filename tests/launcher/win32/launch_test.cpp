// The launch through the real shell: the recorder program stands in for the game and the CD preparation
// program and tells what it was started with. Configuration files live in the platform double.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/frmVexarLaunch.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_views.h"
#include "platform/win32/win32_shell.h"
#include "recorder_records.h"
#include "temp_folder.h"

namespace vexar {
namespace {

using testing::ConfigValues;
using testing::Record;

class LaunchTest : public ::testing::Test {
  protected:
    LaunchTest() {
        testing::CopyRecorderTo(temp_.PathOf("game.exe"));
        testing::CopyRecorderTo(temp_.PathOf("prepare.exe"));
    }

    // A game whose launch file is the copy game.exe.
    ConfigValues Game() const {
        return {"Recorder", "Records its start", start_, temp_.PathOf("game.exe"), "-d  one", " -hd", "",
                "-cd"};
    }

    // Loads the window over `game`, in CD mode when `cd` says so, and chooses the game.
    void Open(const ConfigValues& game, bool cd = false) {
        files_.AddFile("Configs\\recorder.cfg", testing::ConfigText(game));
        if (cd) files_.AddFile("IsCD.txt", "");
        form_.Form_Initialize();
        form_.Form_Load();
        view_.Choose(0);
        form_.txtLauncher_Click();
    }

    void Press(const std::string& typed) {
        view_.command = typed;
        form_.cmdLaunchGame_Click();
    }

    Record GameRecord(std::string arguments) const { return {"game", std::move(arguments), start_, 1}; }

    vexar::testing::TempFolder temp_;
    std::string records_ = testing::MakeRecordFolder(temp_);
    std::string start_ = temp_.MakeFolder("start here");
    fake::FakeFileSystem files_;
    win32::Win32Shell shell_;
    fake::FakeMessageBoxes boxes_;
    fake::FakeCodec codec_;
    fake::FakeLauncherView view_;
    frmVexarLaunch form_{platform::Services{files_, shell_, boxes_, codec_}, view_};
};

// Hard-drive mode with typed options, empty pieces (no blanks added), two presses, and CD mode without
// a preparation program: each press starts the game alone, with its parameters, in its start location.
TEST_F(LaunchTest, EachPressStartsTheGameWithItsParametersInItsStartLocation) {
    ConfigValues bare = Game();
    bare.default_params = bare.hd_params = "";
    struct Case {
        ConfigValues game;
        bool cd;
        std::vector<std::string> typed;
        std::vector<std::string> arguments;
    };
    const Case cases[] = {
        {Game(), false, {"  typed   options "}, {"-d  one   typed   options   -hd"}},
        {bare, false, {""}, {""}},
        {Game(), false, {"x", "x"}, {"-d  one x  -hd", "-d  one x  -hd"}},
        {Game(), true, {""}, {"-d  one -cd"}},  // last: CD mode stays once IsCD.txt is there
    };
    int run = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.front());
        const std::string records = temp_.MakeFolder("records " + std::to_string(++run)) + "\\";
        testing::SetRecordFolder(records);
        Open(c.game, c.cd);
        for (const std::string& typed : c.typed) Press(typed);
        std::vector<Record> expected;
        for (const std::string& arguments : c.arguments) expected.push_back(GameRecord(arguments));
        EXPECT_EQ(testing::WaitForRecords(records, expected.size()), expected);
    }
    EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(LaunchTest, CdModeStartsThePreparationMinimisedAndThenTheGame) {
    ConfigValues game = Game();
    game.cd_prelaunch = temp_.PathOf("prepare.exe");
    Open(game, true);
    Press("opt");

    const auto records = testing::WaitForRecords(records_, 2);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], GameRecord("-d  one opt -cd"));
    EXPECT_EQ(records[1], (Record{"prepare", "", start_, 2}));
}

TEST_F(LaunchTest, PreviewStartsNothing) {
    Open(Game());
    Press("Show Parameters");
    EXPECT_EQ(view_.notes, temp_.PathOf("game.exe") + " -d  one  -hd\r\n\r\nStart Location: " + start_);

    // A launch after the preview: its record is the only one, also after a grace period in which a
    // program started by the preview would have written its own.
    Press("after");
    ASSERT_EQ(testing::WaitForRecords(records_, 1).size(), 1u);
    const auto records = testing::WaitForRecords(records_, 2, std::chrono::seconds(1));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], GameRecord("-d  one after  -hd"));
}

TEST_F(LaunchTest, MissingProgramsAreLeftToTheShellAndReportNothing) {
    ConfigValues game = Game();
    game.launch_file = temp_.PathOf("no such game.exe");
    game.cd_prelaunch = temp_.PathOf("no such preparation.exe");
    game.start_location = temp_.PathOf("no such folder");
    Open(game, true);
    Press("");
    Press("Show Parameters");

    EXPECT_TRUE(boxes_.shown.empty());
    EXPECT_EQ(view_.notes, game.launch_file + " -d  one -cd\r\n\r\nStart Location: " + game.start_location);
}

}  // namespace
}  // namespace vexar
