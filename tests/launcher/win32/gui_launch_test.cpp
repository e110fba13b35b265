// The real launcher window driven as a person would: clicks into the game list and its drop-down part,
// keystrokes into the command box, a click on the launch button; the results read from the screen, the
// recorder's records and Title.cfg.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "gui_driver.h"
#include "real_files.h"
#include "recorder_records.h"
#include "temp_folder.h"

namespace vexar {
namespace {

using testing::ConfigValues;
using testing::Record;
using win32::ControlId;

class LauncherWindowTest : public ::testing::Test {
  protected:
    // The list, in the order of the file names: "Recorder game", "Invalid Config (b_broken.cfg)",
    // "Short game".
    LauncherWindowTest() {
        temp_.MakeFolder("Configs");
        temp_.MakeFolder("start");
        temp_.WriteFile("Configs\\a_game.cfg", testing::ConfigText(Game()));
        temp_.WriteFile("Configs\\b_broken.cfg", "LABELVEXARLNCX]\r\nTitle:         Broken\r\n");
        temp_.WriteFile("Configs\\c_short.cfg", "LABELVEXARLNCH]\r\nTitle:         Short game\r\n");
    }

    ConfigValues Game() const {
        return {"Recorder game",
                "Notes of the recorder game",
                temp_.PathOf("start"),
                testing::RecorderPath(),
                "-default",
                "-hd",
                "",
                ""};
    }

    // The build puts the launcher beside this test program.
    void Start() { launcher_.emplace(testing::ProgramFolder() + "VexarLauncher.exe", temp_.path()); }

    HWND Control(ControlId id) const { return launcher_->Control(id); }
    std::string TextOf(ControlId id) const { return testing::WindowText(Control(id)); }

    // Waits until control `id` shows `text`, and expects it shown.
    void AwaitText(ControlId id, const std::string& text) {
        try {
            testing::WaitUntil([&] { return TextOf(id) == text; }, "the expected control text");
        } catch (const std::runtime_error&) {
        }
        EXPECT_EQ(TextOf(id), text);
    }

    // Clicks into the command box and types `text`.
    void TypeCommand(std::string_view text) {
        testing::Click(Control(ControlId::kTxtCommand));
        testing::WaitUntil([&] { return IsFocused(Control(ControlId::kTxtCommand)); },
                           "the command box's focus");
        testing::Type(text);
        AwaitText(ControlId::kTxtCommand, std::string(text));
    }

    // True when `control` (or its edit field) has the keyboard focus of the launcher's thread.
    bool IsFocused(HWND control) const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        const DWORD thread = ::GetWindowThreadProcessId(launcher_->main(), nullptr);
        if (!::GetGUIThreadInfo(thread, &info)) return false;
        return info.hwndFocus == control || ::GetParent(info.hwndFocus) == control;
    }

    vexar::testing::TempFolder temp_;
    std::string records_ = testing::MakeRecordFolder(temp_);
    std::optional<testing::LauncherProcess> launcher_;
};

TEST_F(LauncherWindowTest, ChoosingAGameShowsItsNotes) {
    Start();
    launcher_->ChooseEntry(0);
    AwaitText(ControlId::kTxtShowNotes, "Notes of the recorder game");
    EXPECT_EQ(TextOf(ControlId::kTxtLauncher), "Recorder game");
}

TEST_F(LauncherWindowTest, ChoosingABrokenEntryExplainsIt) {
    Start();
    launcher_->ChooseEntry(1);
    const std::string expected =
        "Invalid Configuration in (b_broken.cfg).  Please check the configuration file and make sure it is a "
        "valid "
        "launcher configuration.  If it is, repair it. If it is not, please remove it from the 'Configs' "
        "directory if it does not belong there.";
    AwaitText(ControlId::kTxtShowNotes, expected);
    EXPECT_EQ(TextOf(ControlId::kTxtLauncher), "Invalid Config (b_broken.cfg)");

    // Launching it does nothing.
    testing::Click(Control(ControlId::kCmdLaunchGame));
    EXPECT_EQ(testing::WaitForRecords(records_, 1, std::chrono::seconds(1)).size(), 0u);
    EXPECT_FALSE(launcher_->ShowsBox());
}

TEST_F(LauncherWindowTest, ChoosingAShortFileNamesItInABox) {
    Start();
    launcher_->ChooseEntry(2);
    const testing::FoundBox box = launcher_->WaitForBox();
    EXPECT_EQ(box.title, "Error !");
    EXPECT_EQ(
        box.text,
        "Invalid Procedure error 62.  This may mean your config file is missing a line.  You need at least "
        "the 9 line labels in the configuration file or you'll get this error.  Check the config file named  "
        "'c_short.cfg '");
    launcher_->PressBoxButton(box, IDOK);
    EXPECT_EQ(TextOf(ControlId::kTxtShowNotes), "");
}

TEST_F(LauncherWindowTest, TypingATextThatIsNoEntryAndLeavingTheListAsksForAnEntry) {
    Start();
    testing::Click(Control(ControlId::kTxtLauncher), 40);
    testing::Type("Recorder");
    AwaitText(ControlId::kTxtLauncher, "Recorder");
    testing::Click(Control(ControlId::kTxtCommand));

    AwaitText(ControlId::kTxtShowNotes, "Please choose only items from the list.");
    EXPECT_EQ(TextOf(ControlId::kTxtLauncher), "");
    EXPECT_FALSE(launcher_->ShowsBox());
}

TEST_F(LauncherWindowTest, LaunchStartsTheGameWithTheTypedOptions) {
    Start();
    launcher_->ChooseEntry(0);
    TypeCommand(" -typed  ");
    testing::Click(Control(ControlId::kCmdLaunchGame));

    const auto records = testing::WaitForRecords(records_, 1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], (Record{"arg_recorder", "-default  -typed   -hd", temp_.PathOf("start"), 1}));
    EXPECT_EQ(TextOf(ControlId::kTxtCommand), " -typed  ");
    EXPECT_FALSE(launcher_->ShowsBox());
    EXPECT_FALSE(::IsIconic(launcher_->main()));
}

TEST_F(LauncherWindowTest, LaunchFromCdStartsThePreparationMinimisedFirst) {
    testing::CopyRecorderTo(temp_.PathOf("prepare.exe"));
    ConfigValues game = Game();
    game.cd_prelaunch = temp_.PathOf("prepare.exe");
    game.cd_params = "-cd";
    temp_.WriteFile("Configs\\a_game.cfg", testing::ConfigText(game));
    temp_.WriteFile("IsCD.txt", "");
    Start();
    launcher_->ChooseEntry(0);
    testing::Click(Control(ControlId::kCmdLaunchGame));

    const auto records = testing::WaitForRecords(records_, 2);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], (Record{"arg_recorder", "-default -cd", temp_.PathOf("start"), 1}));
    EXPECT_EQ(records[1], (Record{"prepare", "", temp_.PathOf("start"), 2}));
}

TEST_F(LauncherWindowTest, PreviewShowsTheCommandAndStartsNothing) {
    Start();
    launcher_->ChooseEntry(0);
    TypeCommand("Show Parameters");
    testing::Click(Control(ControlId::kCmdLaunchGame));

    const std::string expected =
        testing::RecorderPath() + " -default -hd\r\n\r\nStart Location: " + temp_.PathOf("start");
    AwaitText(ControlId::kTxtShowNotes, expected);
    EXPECT_EQ(testing::WaitForRecords(records_, 1, std::chrono::seconds(1)).size(), 0u);
}

TEST_F(LauncherWindowTest, SetTitleRenamesTheWindowAndTheNextStartKeepsIt) {
    Start();
    TypeCommand("SetTitle My Games");
    // Leaving the command box applies the keyword.
    testing::Click(Control(ControlId::kTxtLauncher), 40);

    const testing::FoundBox box = launcher_->WaitForBox();
    EXPECT_EQ(box.title, "Title Set");
    EXPECT_EQ(box.text, "Title set to My Games");
    launcher_->PressBoxButton(box, IDOK);
    testing::WaitUntil([&] { return testing::WindowText(launcher_->main()) == "My Games"; },
                       "the new caption");
    EXPECT_EQ(TextOf(ControlId::kTxtCommand), "");
    launcher_->Close();

    Start();
    EXPECT_EQ(testing::WindowText(launcher_->main()), "My Games");
}

}  // namespace
}  // namespace vexar
