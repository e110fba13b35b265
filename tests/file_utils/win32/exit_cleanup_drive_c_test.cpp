// The exit clean-up against the real "C:\vexardat" and "C:\gvexardat". Whatever was at those two
// paths before a test is set aside and put back afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "file_utils/mdlGlobalFunctions.h"
#include "real_platform.h"
#include "window_fixture.h"

namespace vexar {
namespace {

using testing::Exists;
using testing::MakeFolderAt;
using testing::WriteFileAt;

constexpr char kVexardat[] = "C:\\vexardat";
constexpr char kGvexardat[] = "C:\\gvexardat";
constexpr char kQuestion[] =
    "Configuration files were placed on your local hard drive during runtime.  "
    "Would you like to delete these files now?";

// Removes whatever a test left at `path`: a folder tree (hidden or not) or a file.
void Clear(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        win32::Win32FileSystem files;
        DeleteFolderTree(files, path);
    } else {
        ::DeleteFileA(path.c_str());
    }
}

// Moves what is at `path` aside while it lives, and puts it back when destroyed.
class SetAside {
public:
    explicit SetAside(std::string path)
        : path_(std::move(path)), aside_(path_ + ".set-aside-" + std::to_string(::GetCurrentProcessId())) {
        moved_ = Exists(path_) && ::MoveFileA(path_.c_str(), aside_.c_str());
        if (Exists(path_)) ADD_FAILURE() << "cannot set " << path_ << " aside";
    }
    ~SetAside() {
        Clear(path_);
        if (moved_) ::MoveFileA(aside_.c_str(), path_.c_str());
    }
    SetAside(const SetAside&) = delete;
    SetAside& operator=(const SetAside&) = delete;

private:
    std::string path_;
    std::string aside_;
    bool moved_ = false;
};

// The real file system in a fresh current directory, with whatever was at the two paths set aside.
class DriveCTest : public testing::RealPlatformTest<> {
protected:
    // Loads the window, in CD mode when `cd` is true.
    void Load(frmVexarLaunch& launcher, bool cd) {
        if (cd) folder.WriteFile("IsCD.txt", "");
        launcher.Form_Load();
    }
    int Questions() const {
        int count = 0;
        for (const auto& box : boxes.shown) count += box.text == kQuestion;
        return count;
    }

    SetAside vexardat{kVexardat};
    SetAside gvexardat{kGvexardat};
    frmVexarLaunch form{services, view};
};

TEST_F(DriveCTest, YesRemovesBothFoldersWithReadOnlyHiddenAndSystemFiles) {
    MakeFolderAt(kVexardat);
    MakeFolderAt(std::string(kVexardat) + "\\Configs");
    WriteFileAt(std::string(kVexardat) + "\\Configs\\game.cfg", "", FILE_ATTRIBUTE_READONLY);
    MakeFolderAt(kGvexardat);
    WriteFileAt(std::string(kGvexardat) + "\\state.dat", "", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    Load(form, true);
    boxes.answers = {platform::Answer::kYes};
    bool cancel = false;
    form.Form_Unload(cancel);
    EXPECT_FALSE(cancel);
    EXPECT_EQ(Questions(), 1);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_FALSE(Exists(kVexardat));
    EXPECT_FALSE(Exists(kGvexardat));
}

TEST_F(DriveCTest, PlainFileCountsAndHiddenFolderDoesNot) {
    MakeFolderAt(kGvexardat, FILE_ATTRIBUTE_HIDDEN);
    Load(form, true);
    bool cancel = false;
    form.Form_Unload(cancel);
    EXPECT_TRUE(boxes.shown.empty());

    WriteFileAt(kVexardat);
    boxes.answers = {platform::Answer::kYes};
    form.Form_Unload(cancel);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, kQuestion);
    EXPECT_EQ(boxes.shown[1].text, "Invalid DirectoryC:\\vexardat");
    EXPECT_TRUE(Exists(kVexardat));
    EXPECT_TRUE(Exists(kGvexardat));
}

TEST_F(DriveCTest, FailedRemovalIsReportedAndTheMainWindowStillCloses) {
    MakeFolderAt(kVexardat);
    const std::string held = std::string(kVexardat) + "\\in use.cfg";
    WriteFileAt(held);
    const win32::UniqueFile holder = testing::HoldOpen(held);
    MakeFolderAt(kGvexardat);

    win32::MainWindow window(::GetModuleHandleW(nullptr), codec, 96);
    frmVexarLaunch windowed(services, window);
    window.Create();
    window.Attach(windowed);
    Load(windowed, true);
    boxes.answers = {platform::Answer::kYes};
    windowed.Command1_Click();
    EXPECT_EQ(window.hwnd(), nullptr);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text, "An Error was occured");
    EXPECT_TRUE(Exists(held));
    EXPECT_FALSE(Exists(kGvexardat));
    testing::PumpMessages();
}

}  // namespace
}  // namespace vexar
