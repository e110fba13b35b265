// The exit clean-up against the real "C:\vexardat" and "C:\gvexardat". Whatever was at those two
// paths before a test is set aside and put back afterwards.
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "file_utils/mdlGlobalFunctions.h"
#include "launcher/frmVexarLaunch.h"
#include "launcher/win32/main_window.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_views.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_codec.h"
#include "platform/win32/win32_file_system.h"
#include "temp_folder.h"

namespace vexar {
namespace {

constexpr char kVexardat[] = "C:\\vexardat";
constexpr char kGvexardat[] = "C:\\gvexardat";
constexpr char kQuestion[] =
    "Configuration files were placed on your local hard drive during runtime.  "
    "Would you like to delete these files now?";

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeFolder(const std::string& path, DWORD attributes = 0) {
    ASSERT_TRUE(::CreateDirectoryA(path.c_str(), nullptr)) << path << " " << ::GetLastError();
    if (attributes != 0) {
        ASSERT_TRUE(::SetFileAttributesA(path.c_str(), attributes | FILE_ATTRIBUTE_DIRECTORY));
    }
}

void WriteFile(const std::string& path, DWORD attributes = 0) {
    win32::UniqueFile file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    ASSERT_TRUE(file) << path << " " << ::GetLastError();
    file.reset();
    if (attributes != 0) {
        ASSERT_TRUE(::SetFileAttributesA(path.c_str(), attributes));
    }
}

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

// The real file system in a fresh current directory; the boxes and the shell are doubles.
class DriveCTest : public ::testing::Test {
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
    testing::TempFolder folder;
    testing::CurrentDirectoryScope current{folder.path()};
    win32::Win32FileSystem files;
    win32::Win32Codec codec;
    fake::FakeShell shell;
    fake::FakeMessageBoxes boxes;
    platform::Services services{files, shell, boxes, codec};
    fake::FakeLauncherView view;
    frmVexarLaunch form{services, view};
};

TEST_F(DriveCTest, YesRemovesBothFoldersWithReadOnlyHiddenAndSystemFiles) {
    MakeFolder(kVexardat);
    MakeFolder(std::string(kVexardat) + "\\Configs");
    WriteFile(std::string(kVexardat) + "\\Configs\\game.cfg", FILE_ATTRIBUTE_READONLY);
    MakeFolder(kGvexardat);
    WriteFile(std::string(kGvexardat) + "\\state.dat", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
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
    MakeFolder(kGvexardat, FILE_ATTRIBUTE_HIDDEN);
    Load(form, true);
    bool cancel = false;
    form.Form_Unload(cancel);
    EXPECT_TRUE(boxes.shown.empty());

    WriteFile(kVexardat);
    boxes.answers = {platform::Answer::kYes};
    form.Form_Unload(cancel);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, kQuestion);
    EXPECT_EQ(boxes.shown[1].text, "Invalid DirectoryC:\\vexardat");
    EXPECT_TRUE(Exists(kVexardat));
    EXPECT_TRUE(Exists(kGvexardat));
}

TEST_F(DriveCTest, FailedRemovalIsReportedAndTheMainWindowStillCloses) {
    MakeFolder(kVexardat);
    const std::string held = std::string(kVexardat) + "\\in use.cfg";
    WriteFile(held);
    win32::UniqueFile holder(
        ::CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    MakeFolder(kGvexardat);

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
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
}

}  // namespace
}  // namespace vexar

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    if (FAILED(::OleInitialize(nullptr))) return 2;
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    ::OleUninitialize();
    return result;
}
