// The built launcher end to end: real keyboard input, the real shell, the games' own view of their start.
#include <gtest/gtest.h>

#include "config_text.h"
#include "launcher_process.h"
#include "real_folders.h"

namespace vexar::testing {
namespace {

// A folder with a game whose program (and CD preparation program) is the recorder.
class LauncherJourney : public ::testing::Test {
protected:
    LauncherJourney() {
        temp.Folder("Configs");
        temp.Folder("start");
        for (const char* program : {"game.exe", "prep.exe"}) {
            if (!::CopyFileA((ProgramFolder() + "arg_recorder.exe").c_str(), temp.Path(program).c_str(),
                             FALSE)) {
                throw std::runtime_error("cannot copy the recorder");
            }
        }
        temp.Write("Configs\\game.cfg",
                   ConfigText(ConfigValues{"Recorder", "notes", temp.Path("start"), temp.Path("game.exe"),
                                           "-d", "-h", temp.Path("prep.exe"), "-c"}));
        ::SetEnvironmentVariableA("VEXAR_RECORD_DIR", temp.Folder("records").append("\\").c_str());
    }
    std::string Records() const { return temp.Path("records\\"); }

    TempFolder temp;
};

TEST_F(LauncherJourney, KeyboardChoiceAndLaunchButtonStartTheGameWithTheTypedOptions) {
    LauncherProcess launcher(temp.Path());
    launcher.Keys({VK_DOWN, VK_TAB});
    launcher.Type(" -typed  ");
    launcher.Keys({VK_TAB, VK_SPACE});
    EXPECT_EQ(WaitForRecords(Records(), 1),
              (std::multiset<std::string>{"game|-d  -typed   -h|" + temp.Path("start") + "|1"}));
}

TEST_F(LauncherJourney, FromCdThePreparationStartsMinimisedWithTheGame) {
    temp.Write("IsCD.txt");
    LauncherProcess launcher(temp.Path());
    launcher.Keys({VK_DOWN, VK_TAB, VK_TAB, VK_SPACE});
    EXPECT_EQ(WaitForRecords(Records(), 2),
              (std::multiset<std::string>{"game|-d -c|" + temp.Path("start") + "|1",
                                          "prep||" + temp.Path("start") + "|2"}));
}

TEST_F(LauncherJourney, SetTitleNamesTheWindowAndTheNextStartKeepsIt) {
    {
        LauncherProcess launcher(temp.Path());
        launcher.Keys({VK_TAB});
        launcher.Type("SetTitle My Games");
        launcher.Keys({VK_TAB});
        EXPECT_EQ(launcher.BoxText(), "Title set to My Games");
        launcher.Keys({VK_RETURN});
        launcher.AwaitCaption("My Games");
        launcher.Close();
    }
    LauncherProcess(temp.Path()).AwaitCaption("My Games");
}

}  // namespace
}  // namespace vexar::testing
