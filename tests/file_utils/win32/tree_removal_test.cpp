// DeleteFolderTree and RemoveDataFolder against real folders.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file_utils/mdlGlobalFunctions.h"
#include "real_platform.h"

namespace vexar {
namespace {

using Log = std::vector<std::string>;

// The real file system, with every deletion and directory removal that succeeded written to a log.
class RecordingFileSystem : public win32::Win32FileSystem {
public:
    void DeleteFileAt(std::string_view path) override {
        Win32FileSystem::DeleteFileAt(path);
        log.push_back("del " + std::string(path));
    }
    void RemoveEmptyDirectory(std::string_view path) override {
        Win32FileSystem::RemoveEmptyDirectory(path);
        log.push_back("rmdir " + std::string(path));
    }
    Log log;
};

using testing::Exists;

class TreeRemovalTest : public testing::RealPlatformTest<RecordingFileSystem> {
protected:
    // The path of `relative` in the temporary folder, without a trailing backslash.
    std::string At(std::string_view relative) const { return folder.PathOf(relative); }
    std::int32_t Delete(const std::string& path) { return DeleteFolderTree(files, path); }
    std::vector<std::string> Reported() const {
        std::vector<std::string> texts;
        for (const auto& box : boxes.shown) texts.push_back(box.text);
        return texts;
    }
};

TEST_F(TreeRemovalTest, ReadOnlyHiddenAndSystemFilesGo) {
    folder.MakeFolder("data");
    folder.WriteFile("data\\plain.txt", "p");
    folder.WriteFile("data\\readonly.txt", "r", FILE_ATTRIBUTE_READONLY);
    folder.WriteFile("data\\hidden.txt", "h", FILE_ATTRIBUTE_HIDDEN);
    folder.WriteFile("data\\system.txt", "s", FILE_ATTRIBUTE_SYSTEM);
    folder.MakeFolder("data\\hidden dir", FILE_ATTRIBUTE_HIDDEN);
    folder.WriteFile("data\\hidden dir\\all.txt", "a",
                     FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);

    RemoveDataFolder(services, At("data"));
    EXPECT_FALSE(Exists(At("data")));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(TreeRemovalTest, FilesFirstThenEachSubdirectoryWholeInListingOrder) {
    folder.MakeFolder("data");
    for (const char* name : {"c", "a", "b"}) {
        folder.MakeFolder("data\\" + std::string(name));
        folder.WriteFile("data\\" + std::string(name) + "\\inner.txt", "i");
        folder.WriteFile("data\\file-" + std::string(name) + ".txt", "f");
    }
    const std::string root = At("data");
    Log files_first;
    Log subdirectories;
    for (const auto& entry : testing::ListEntries(root + "\\*.*")) {
        const std::string full = root + "\\" + entry.cFileName;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            subdirectories.push_back("del " + full + "\\inner.txt");
            subdirectories.push_back("rmdir " + full);
        } else {
            files_first.push_back("del " + full);
        }
    }
    Log expected = files_first;
    expected.insert(expected.end(), subdirectories.begin(), subdirectories.end());
    expected.push_back("rmdir " + root);

    EXPECT_EQ(Delete(root), 0);
    EXPECT_EQ(files.log, expected);
}

TEST_F(TreeRemovalTest, FileHeldOpenThreeLevelsDownStopsTheRemoval) {
    folder.MakeFolder("data");
    folder.MakeFolder("data\\one");
    folder.MakeFolder("data\\one\\two");
    folder.MakeFolder("data\\one\\two\\three");
    const std::string locked = folder.WriteFile("data\\one\\two\\three\\locked.txt", "busy");
    win32::UniqueFile holder = testing::HoldOpen(locked);

    EXPECT_EQ(Delete(At("data")), kErrPermissionDenied);
    for (const char* kept : {"data", "data\\one", "data\\one\\two", "data\\one\\two\\three"}) {
        EXPECT_TRUE(Exists(At(kept))) << kept;
    }
    RemoveDataFolder(services, At("data"));
    EXPECT_EQ(Reported(), std::vector<std::string>{"An Error was occured"});
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "VexarLaunch");
    EXPECT_EQ(boxes.shown[0].icon, platform::Icon::kNone);

    holder.reset();
    EXPECT_EQ(Delete(At("data")), 0);
}

TEST_F(TreeRemovalTest, BlanksAndOneTrailingBackslashAreIgnored) {
    folder.MakeFolder("with blanks");
    folder.WriteFile("with blanks\\a file.txt", "x");
    EXPECT_EQ(Delete("  " + At("with blanks") + "\\  "), 0);
    EXPECT_FALSE(Exists(At("with blanks")));
}

TEST_F(TreeRemovalTest, UnusablePathsTouchNothing) {
    const std::string file = folder.WriteFile("file.txt", "x");
    folder.MakeFolder("vexardat");
    for (const std::string& path : {std::string("C:\\"), std::string("vexardat"), file, At("missing")}) {
        EXPECT_EQ(Delete(path), kInvalidFolder) << path;
    }
    EXPECT_TRUE(files.log.empty());
    EXPECT_TRUE(Exists(file));

    RemoveDataFolder(services, At("missing"));
    EXPECT_EQ(Reported(), std::vector<std::string>{"Invalid Directory" + At("missing")});
}

TEST_F(TreeRemovalTest, EmptyFolderIsRemovedSilently) {
    folder.MakeFolder("empty");
    RemoveDataFolder(services, At("empty"));
    EXPECT_FALSE(Exists(At("empty")));
    EXPECT_TRUE(boxes.shown.empty());
}

// A tree whose deepest path passes 260 characters; the ANSI calls cannot reach below that.
TEST_F(TreeRemovalTest, PathsLongerThan260CharactersFailClearlyAndStayInside) {
    folder.MakeFolder("data");
    const std::string outside = folder.WriteFile("outside.txt", "keep");
    std::wstring deep = L"\\\\?\\";
    for (char c : At("data")) deep.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    for (wchar_t letter : {L'a', L'b', L'c'}) {
        deep += L"\\" + std::wstring(100, letter);
        ASSERT_TRUE(::CreateDirectoryW(deep.c_str(), nullptr)) << ::GetLastError();
    }
    const std::wstring deep_file = deep + L"\\deep.txt";
    win32::UniqueFile created(
        ::CreateFileW(deep_file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    ASSERT_TRUE(created);
    created.reset();
    folder.WriteFile("data\\short.txt", "x");

    const std::int32_t status = Delete(At("data"));
    EXPECT_NE(status, 0);
    EXPECT_TRUE(Exists(outside));
    EXPECT_NE(::GetFileAttributesW(deep_file.c_str()), INVALID_FILE_ATTRIBUTES);
    RemoveDataFolder(services, At("data"));
    ASSERT_EQ(boxes.shown.size(), 1u);

    // Clean up from the bottom with the long-path form, so that the temporary folder can go.
    ::DeleteFileW(deep_file.c_str());
    for (int level = 0; level < 3; ++level) {
        ::RemoveDirectoryW(deep.c_str());
        deep.erase(deep.find_last_of(L'\\'));
    }
}

// Directory links prepared from the Linux side by the test fixture (Wine cannot make them itself):
// <fixture>\target\canary.txt, <fixture>\tree\{before.txt, sub\inner.txt, link -> ..\target} and
// <fixture>\toplink -> target. The fixture is the folder "link-fixture" beside this test program.
class DirectoryLinkTest : public TreeRemovalTest {
protected:
    void SetUp() override {
        root = testing::ProgramFolder() + "link-fixture";
        if (!Exists(root)) GTEST_SKIP() << "no link fixture at " << root;
        ASSERT_EQ(::GetFileAttributesA((root + "\\target\\canary.txt").c_str()) & FILE_ATTRIBUTE_DIRECTORY,
                  0u);
    }
    std::string root;
};

TEST_F(DirectoryLinkTest, LinkInsideTheTreeIsNeverEntered) {
    const std::string link = root + "\\tree\\link";
    ASSERT_EQ(::GetFileAttributesA(link.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT,
              FILE_ATTRIBUTE_REPARSE_POINT);

    const std::int32_t status = Delete(root + "\\tree");
    EXPECT_TRUE(Exists(root + "\\target\\canary.txt"));
    for (const std::string& entry : files.log) EXPECT_EQ(entry.find("canary"), std::string::npos) << entry;
    // Windows removes the link itself; Wine refuses to, and that refusal is a failed step.
    if (Exists(link)) {
        EXPECT_NE(status, 0);
        EXPECT_NE(status, kInvalidFolder);
    } else {
        EXPECT_EQ(status, 0);
    }
}

TEST_F(DirectoryLinkTest, GivenPathThatIsALinkLeavesTheTargetAlone) {
    const std::int32_t status = Delete(root + "\\toplink\\");
    EXPECT_TRUE(Exists(root + "\\target\\canary.txt"));
    EXPECT_TRUE(files.log.empty() || files.log == Log{"rmdir " + root + "\\toplink"});
    EXPECT_EQ(status == 0, !Exists(root + "\\toplink"));
}

}  // namespace
}  // namespace vexar
