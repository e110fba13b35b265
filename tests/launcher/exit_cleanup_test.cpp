#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/frmVexarLaunch.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_views.h"

namespace vexar {
namespace {

using fake::Op;
using platform::Answer;
using platform::kAttrHidden;
using platform::kAttrSystem;

constexpr char kQuestion[] =
    "Configuration files were placed on your local hard drive during runtime.  "
    "Would you like to delete these files now?";
constexpr char kManualMissing[] =
    "Manual is not installed.  The file 'index.html' is missing from the 'VLManual' subdirectory\r\n\r\n"
    "The VLManual subdirectory should be located under this launcher with the file index.html.";

class ExitCleanupTest : public ::testing::Test {
protected:
    // Loads the window, in CD mode when `cd` is true.
    void Load(bool cd) {
        if (cd) fake.files.AddFile("IsCD.txt", "");
        form.Form_Load();
    }
    // Runs the unload; the cancel flag must come back unset.
    void Unload() {
        bool cancel = false;
        form.Form_Unload(cancel);
        EXPECT_FALSE(cancel);
    }
    void AddDataFolders() {
        fake.files.AddFile("C:\\vexardat\\cfg\\game.cfg", "x", platform::kAttrReadOnly);
        fake.files.AddFile("C:\\gvexardat\\save.dat", "x");
    }
    int Questions() const {
        int count = 0;
        for (const auto& box : fake.boxes.shown) count += box.text == kQuestion;
        return count;
    }

    fake::FakePlatform fake;
    fake::FakeLauncherView view;
    frmVexarLaunch form{fake.services(), view};
};

TEST_F(ExitCleanupTest, HardDriveModeNeverAsks) {
    AddDataFolders();
    Load(false);
    Unload();
    EXPECT_TRUE(fake.boxes.shown.empty());
    EXPECT_TRUE(fake.files.changes().empty());
}

TEST_F(ExitCleanupTest, CdModeWithoutDataFoldersClosesWithoutAsking) {
    Load(true);
    Unload();
    EXPECT_TRUE(fake.boxes.shown.empty());
}

TEST_F(ExitCleanupTest, QuestionAndYesRemoveOnlyWhatIsPresent) {
    fake.files.AddFile("C:\\gvexardat\\save.dat", "x", kAttrHidden);
    Load(true);
    fake.boxes.answers = {Answer::kYes};
    Unload();
    ASSERT_EQ(fake.boxes.shown.size(), 1u);
    EXPECT_EQ(fake.boxes.shown[0],
              (fake::ShownBox{kQuestion, "Remove Files?", platform::Icon::kQuestion, platform::Buttons::kYesNo}));
    EXPECT_EQ(fake.files.changes(),
              (std::vector<std::string>{"attr C:\\gvexardat\\save.dat", "del C:\\gvexardat\\save.dat",
                                        "rmdir C:\\gvexardat"}));
}

TEST_F(ExitCleanupTest, NoRemovesNothing) {
    AddDataFolders();
    Load(true);
    fake.boxes.answers = {Answer::kNo};
    Unload();
    EXPECT_EQ(Questions(), 1);
    EXPECT_TRUE(fake.files.changes().empty());
}

TEST_F(ExitCleanupTest, FailedFirstRemovalIsReportedAndTheSecondStillRuns) {
    AddDataFolders();
    fake.files.FailOn(Op::kDelete, "C:\\vexardat\\cfg\\game.cfg", kErrPermissionDenied);
    Load(true);
    fake.boxes.answers = {Answer::kYes};
    Unload();
    ASSERT_EQ(fake.boxes.shown.size(), 2u);
    EXPECT_EQ(fake.boxes.shown[1].text, "An Error was occured");
    EXPECT_TRUE(fake.files.Exists("C:\\vexardat\\cfg\\game.cfg"));
    EXPECT_FALSE(fake.files.Exists("C:\\gvexardat"));
}

TEST_F(ExitCleanupTest, PlainFileCountsAndHiddenOrSystemFolderDoesNot) {
    fake.files.AddFile("C:\\vexardat", "not a folder");
    fake.files.AddDirectory("C:\\gvexardat", platform::kAttrDirectory | kAttrHidden);
    Load(true);
    fake.boxes.answers = {Answer::kYes};
    Unload();
    ASSERT_EQ(fake.boxes.shown.size(), 2u);
    EXPECT_EQ(fake.boxes.shown[1].text, "Invalid DirectoryC:\\vexardat");
    EXPECT_TRUE(fake.files.changes().empty());

    fake::FakePlatform other;
    other.files.AddFile("IsCD.txt", "");
    other.files.AddDirectory("C:\\gvexardat", platform::kAttrDirectory | kAttrSystem);
    fake::FakeLauncherView other_view;
    frmVexarLaunch other_form(other.services(), other_view);
    other_form.Form_Load();
    bool cancel = false;
    other_form.Form_Unload(cancel);
    EXPECT_TRUE(other.boxes.shown.empty());
}

TEST_F(ExitCleanupTest, ErrorEndsTheCleanUpWithItsReport) {
    AddDataFolders();
    fake.files.FailOn(Op::kListFirst, "C:\\vexardat", kErrDiskNotReady);
    Load(true);
    Unload();
    ASSERT_EQ(fake.boxes.shown.size(), 1u);
    EXPECT_EQ(fake.boxes.shown[0], (fake::ShownBox{"71 Disk not ready in Form_Unload", "Error !",
                                                   platform::Icon::kCritical, platform::Buttons::kOk}));
    EXPECT_TRUE(fake.files.changes().empty());
}

TEST_F(ExitCleanupTest, ButtonsMinimiseAndClose) {
    form.cmdMinimize_Click();
    EXPECT_TRUE(view.minimized);
    EXPECT_FALSE(view.unloaded);
    form.Command1_Click();
    EXPECT_TRUE(view.unloaded);
}

TEST_F(ExitCleanupTest, ManualFoundIsOpenedByTheShell) {
    fake.files.AddFile("VLManual\\index.html", "<html>");
    view.notes = "notes";
    form.cmdHelp_Click();
    ASSERT_EQ(fake.shell.calls.size(), 1u);
    EXPECT_EQ(fake.shell.calls[0], (platform::ShellRequest{0, "open", "VLManual\\index.html", "", "",
                                                           platform::ShowCommand::kNormal}));
    EXPECT_EQ(view.notes, "notes");
}

TEST_F(ExitCleanupTest, ManualMissingIsExplainedInTheNotes) {
    const auto expect_missing = [&](const char* situation) {
        view.notes = "notes";
        form.cmdHelp_Click();
        EXPECT_EQ(view.notes, kManualMissing) << situation;
        EXPECT_TRUE(fake.shell.calls.empty()) << situation;
        EXPECT_TRUE(fake.boxes.shown.empty()) << situation;
    };
    expect_missing("no VLManual folder");
    fake.files.AddFile("VLManual\\other.html", "");
    expect_missing("no index.html");
    fake.files.AddFile("VLManual\\index.html", "", kAttrHidden);
    expect_missing("hidden index.html");
    fake.files.AddFile("VLManual\\index.html", "", kAttrSystem);
    expect_missing("system index.html");
    fake.files.Erase("VLManual\\index.html");
    fake.files.AddDirectory("VLManual\\index.html");
    expect_missing("a folder named index.html");
}

}  // namespace
}  // namespace vexar
