// The Win32 file system on real folders: what a listing and a single-name test return, attributes read
// after a reset, and files another program holds open.
#include <gtest/gtest.h>

#include <set>

#include "platform/win32/win32_file_system.h"
#include "real_folders.h"

namespace vexar::testing {
namespace {

using platform::ListMask;

std::set<std::string> Listed(win32::Win32FileSystem& files, const std::string& pattern, ListMask mask) {
    std::set<std::string> names;
    for (std::string name = files.ListFirst(pattern, mask); !name.empty(); name = files.ListNext())
        names.insert(name);
    return names;
}

TEST(Win32FileSystem, ListsWhatTheMaskAdmits) {
    TempFolder temp;
    temp.Folder("dir");
    temp.Write("dir\\plain.cfg");
    temp.Write("dir\\hidden.cfg", "", FILE_ATTRIBUTE_HIDDEN);
    temp.Write("dir\\system.cfg", "", FILE_ATTRIBUTE_SYSTEM);
    temp.Folder("dir\\folder.cfg");
    win32::Win32FileSystem files;
    using Names = std::set<std::string>;
    EXPECT_EQ(Listed(files, "dir\\", ListMask::kNormal), (Names{"plain.cfg"}));
    EXPECT_EQ(Listed(files, "dir\\*.*", ListMask::kDirectories),
              (Names{".", "..", "plain.cfg", "folder.cfg"}));
    EXPECT_EQ(Listed(files, "dir\\*.*", ListMask::kEverything),
              (Names{".", "..", "plain.cfg", "folder.cfg", "hidden.cfg", "system.cfg"}));
    // A single name: present only when the mask admits it; a missing one, or a "folder" that is a file, lists
    // nothing.
    EXPECT_EQ(Listed(files, "dir\\plain.cfg", ListMask::kNormal), (Names{"plain.cfg"}));
    EXPECT_EQ(Listed(files, "dir\\hidden.cfg", ListMask::kDirectories), Names{});
    EXPECT_EQ(Listed(files, "dir\\folder.cfg", ListMask::kNormal), Names{});
    EXPECT_EQ(Listed(files, "dir\\folder.cfg", ListMask::kDirectories), (Names{"folder.cfg"}));
    EXPECT_EQ(Listed(files, "missing\\", ListMask::kNormal), Names{});
    EXPECT_EQ(Listed(files, "dir\\plain.cfg\\", ListMask::kNormal), Names{});
}

TEST(Win32FileSystem, ReadsAttributesAfterAReset) {
    TempFolder temp;
    const std::string path = temp.Write("locked.txt", "", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    win32::Win32FileSystem files;
    // The entry just listed is answered from the listing; a reset must not leave that answer behind.
    ASSERT_EQ(files.ListFirst(temp.Path("locked.txt"), ListMask::kEverything), "locked.txt");
    EXPECT_NE(files.ReadAttributes(path) & platform::kAttrHidden, 0u);
    files.ResetAttributes(path);
    EXPECT_EQ(files.ReadAttributes(path) & (platform::kAttrHidden | platform::kAttrReadOnly), 0u);
}

TEST(Win32FileSystem, ReadsFilesOthersWriteButNotFilesTheyLock) {
    TempFolder temp;
    const std::string shared = temp.Write("shared.cfg", "one\r\ntwo");
    const std::string locked = temp.Write("locked.cfg", "one");
    win32::Win32FileSystem files;
    const win32::UniqueFile writer = HoldOpen(shared, FILE_SHARE_READ);
    const win32::UniqueFile holder = HoldOpen(locked, 0);
    const auto lines = files.OpenForInput(shared);
    EXPECT_EQ(lines->ReadLine(), "one");
    EXPECT_EQ(lines->ReadLine(), "two");
    for (const auto& open_locked :
         {+[](win32::Win32FileSystem&f, const std::string&p) { f.OpenForInput(p); },
          +[](win32::Win32FileSystem&f, const std::string&p) { f.DeleteFileAt(p); }}) {
        try {
            open_locked(files, locked);
            ADD_FAILURE() << "a locked file was opened";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), kErrPermissionDenied);
        }
    }
}

}  // namespace
}  // namespace vexar::testing
