#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file_utils/mdlGlobalFunctions.h"
#include "platform/fake/fake_platform.h"

namespace vexar {
namespace {

using fake::Op;
using platform::kAttrDirectory;
using platform::kAttrHidden;
using platform::kAttrReadOnly;
using platform::kAttrReparsePoint;
using platform::kAttrSystem;
using Changes = std::vector<std::string>;

class DeleteFolderTreeTest : public ::testing::Test {
protected:
    // The boxes RemoveDataFolder showed, by text; each must be a plain OK box with the program's title.
    std::vector<std::string> ReportedTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : fake.boxes.shown) {
            EXPECT_EQ(box.title, "VexarLaunch");
            EXPECT_EQ(box.icon, platform::Icon::kNone);
            EXPECT_EQ(box.buttons, platform::Buttons::kOk);
            texts.push_back(box.text);
        }
        return texts;
    }

    fake::FakePlatform fake;
};

TEST_F(DeleteFolderTreeTest, UnusablePathsReturnMinusOneAndTouchNothing) {
    fake.files.AddFile("C:\\data\\file.txt", "x");
    fake.files.AddDirectory("vexardat");
    for (const char* path : {"", "   ", "C:\\", "vexardat", "C:\\data\\file.txt", "C:\\missing"}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(DeleteFolderTree(fake.files, path), kInvalidFolder);
    }
    EXPECT_TRUE(fake.files.changes().empty());

    RemoveDataFolder(fake.services(), " C:\\missing\\ ");
    EXPECT_EQ(ReportedTexts(), Changes{"Invalid Directory C:\\missing\\ "});
}

TEST_F(DeleteFolderTreeTest, BlanksAndOneTrailingBackslashAreIgnored) {
    fake.files.AddDirectory("C:\\data");
    EXPECT_EQ(DeleteFolderTree(fake.files, "  C:\\data\\  "), 0);
    EXPECT_EQ(fake.files.changes(), Changes{"rmdir C:\\data"});
}

TEST_F(DeleteFolderTreeTest, FilesGoDuringTheListingAndSubdirectoriesFirstInFirstOut) {
    fake.files.AddDirectory("C:\\d\\b");
    fake.files.AddFile("C:\\d\\f1", "", kAttrReadOnly);
    fake.files.AddFile("C:\\d\\b\\inner", "");
    fake.files.AddDirectory("C:\\d\\a");
    fake.files.AddFile("C:\\d\\f2", "", kAttrHidden | kAttrSystem);
    fake.files.AddFile("C:\\d\\f3", "");

    EXPECT_EQ(DeleteFolderTree(fake.files, "C:\\d"), 0);
    EXPECT_EQ(fake.files.changes(),
              (Changes{"attr C:\\d\\f1", "del C:\\d\\f1", "attr C:\\d\\f2", "del C:\\d\\f2", "del C:\\d\\f3",
                       "del C:\\d\\b\\inner", "rmdir C:\\d\\b", "rmdir C:\\d\\a", "rmdir C:\\d"}));
    EXPECT_FALSE(fake.files.Exists("C:\\d"));
    RemoveDataFolder(fake.services(), "C:\\d");  // gone now: reported as invalid
    EXPECT_EQ(ReportedTexts(), Changes{"Invalid DirectoryC:\\d"});
}

TEST_F(DeleteFolderTreeTest, LockedFileDeepDownStopsEverythingAbove) {
    fake.files.AddFile("C:\\d\\x\\y\\locked", "");
    fake.files.AddFile("C:\\d\\x\\y\\later", "");
    fake.files.AddDirectory("C:\\d\\second");
    fake.files.FailOn(Op::kDelete, "C:\\d\\x\\y\\locked", kErrPermissionDenied);

    EXPECT_EQ(DeleteFolderTree(fake.files, "C:\\d"), kErrPermissionDenied);
    for (const char* kept : {"C:\\d", "C:\\d\\x", "C:\\d\\x\\y", "C:\\d\\x\\y\\later", "C:\\d\\second"}) {
        EXPECT_TRUE(fake.files.Exists(kept)) << kept;
    }
    RemoveDataFolder(fake.services(), "C:\\d");
    EXPECT_EQ(ReportedTexts(), Changes{"An Error was occured"});
}

TEST_F(DeleteFolderTreeTest, RefusedDirectoryRemovalComesAfterItsContents) {
    fake.files.AddFile("C:\\d\\f", "");
    fake.files.FailOn(Op::kRemoveDir, "C:\\d", kErrPathFileAccess);
    EXPECT_EQ(DeleteFolderTree(fake.files, "C:\\d"), kErrPathFileAccess);
    EXPECT_EQ(fake.files.changes(), Changes{"del C:\\d\\f"});
}

TEST_F(DeleteFolderTreeTest, FailedEntryReadKeepsThePreviousWordAndItsErrorStaysPending) {
    fake.files.AddFile("C:\\d\\a", "", kAttrHidden);
    fake.files.AddFile("C:\\d\\b", "");
    fake.files.FailOn(Op::kReadAttributes, "C:\\d\\b", kErrFileNotFound);
    // b is handled with a's word: its attributes are reset, and the check after the reset returns 53.
    EXPECT_EQ(DeleteFolderTree(fake.files, "C:\\d"), kErrFileNotFound);
    EXPECT_EQ(fake.files.changes(), (Changes{"attr C:\\d\\a", "del C:\\d\\a", "attr C:\\d\\b"}));
}

TEST_F(DeleteFolderTreeTest, ListingThatDoesNotStartLeavesOnlyTheDirectoryRemoval) {
    fake.files.AddDirectory("C:\\d");
    fake.files.AddFile("C:\\e\\f", "");
    fake.files.FailOn(Op::kListFirst, "C:\\d\\*.*", kErrDeviceIo);
    fake.files.FailOn(Op::kListFirst, "C:\\e\\*.*", kErrDeviceIo);
    // The empty one goes, but its listing's error is still pending; the full one reports the removal.
    EXPECT_EQ(DeleteFolderTree(fake.files, "C:\\d"), kErrDeviceIo);
    EXPECT_FALSE(fake.files.Exists("C:\\d"));
    EXPECT_EQ(DeleteFolderTree(fake.files, "C:\\e"), kErrPathFileAccess);
    EXPECT_TRUE(fake.files.Exists("C:\\e\\f"));
}

TEST_F(DeleteFolderTreeTest, ListingThatBreaksOffEndsTheRemoval) {
    fake.files.AddDirectory("C:\\d\\s");
    fake.files.AddFile("C:\\d\\f", "");
    fake.files.FailListingAfter(3, kErrDeviceIo);  // ".", ".." and "s" come, then the listing fails
    EXPECT_EQ(DeleteFolderTree(fake.files, "C:\\d"), kErrDeviceIo);
    EXPECT_TRUE(fake.files.changes().empty());
}

TEST_F(DeleteFolderTreeTest, DirectoryLinksAreRemovedWithoutEnteringThem) {
    fake.files.AddFile("D:\\target\\canary", "keep");
    fake.files.AddFile("C:\\d\\before", "");
    fake.files.AddDirectory("C:\\d\\link", kAttrDirectory | kAttrReparsePoint);
    fake.files.AddFile("C:\\d\\link\\canary", "seen through the link");
    fake.files.AddFile("C:\\d\\after", "");

    EXPECT_EQ(DeleteFolderTree(fake.files, "C:\\d"), 0);
    EXPECT_EQ(fake.files.changes(),
              (Changes{"del C:\\d\\before", "del C:\\d\\after", "rmdir C:\\d\\link", "rmdir C:\\d"}));
    EXPECT_EQ(fake.files.Content("D:\\target\\canary"), "keep");

    fake.files.AddDirectory("C:\\top", kAttrDirectory | kAttrReparsePoint);
    fake.files.AddFile("C:\\top\\canary", "seen through the link");
    EXPECT_EQ(DeleteFolderTree(fake.files, "C:\\top\\"), 0);
    EXPECT_EQ(fake.files.changes().back(), "rmdir C:\\top");
    EXPECT_EQ(fake.files.changes().size(), 5u);
}

TEST_F(DeleteFolderTreeTest, LinkThatCannotBeRemovedIsAFailedStep) {
    fake.files.AddDirectory("C:\\d\\link", kAttrDirectory | kAttrReparsePoint);
    fake.files.AddFile("C:\\d\\link\\canary", "seen through the link");
    fake.files.FailOn(Op::kRemoveDir, "C:\\d\\link", kErrPathFileAccess);
    RemoveDataFolder(fake.services(), "C:\\d");
    EXPECT_TRUE(fake.files.changes().empty());
    EXPECT_TRUE(fake.files.Exists("C:\\d\\link\\canary"));
    EXPECT_EQ(ReportedTexts(), Changes{"An Error was occured"});
}

}  // namespace
}  // namespace vexar
