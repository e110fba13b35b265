// The Win32 file system on real folders: what a listing and a single-name test return, attributes read
// after a reset, and files another program holds open.
#include <gtest/gtest.h>

#include <set>

#include "platform/win32/win32_file_system.h"
#include "real_folders.h"

namespace vexar::testing {
namespace {

using Names = std::set<std::string>;
using platform::ListMask;

TEST(Win32FileSystem, ListsWhatTheMaskAdmits) {
    TempFolder temp;
    temp.Folder("dir");
    temp.Write("dir\\plain.cfg");
    temp.Write("dir\\hidden.cfg", "", FILE_ATTRIBUTE_HIDDEN);
    temp.Write("dir\\system.cfg", "", FILE_ATTRIBUTE_SYSTEM);
    temp.Folder("dir\\folder.cfg");
    win32::Win32FileSystem files;
    const auto listed = [&files](const std::string& pattern, ListMask mask) {
        Names names;
        for (std::string name = files.ListFirst(pattern, mask); !name.empty(); name = files.ListNext())
            names.insert(name);
        return names;
    };
    EXPECT_EQ(listed("dir\\", ListMask::kNormal), (Names{"plain.cfg"}));
    EXPECT_EQ(listed("dir\\*.*", ListMask::kDirectories), (Names{".", "..", "plain.cfg", "folder.cfg"}));
    EXPECT_EQ(listed("dir\\*.*", ListMask::kEverything),
              (Names{".", "..", "plain.cfg", "folder.cfg", "hidden.cfg", "system.cfg"}));
    // One name: present only where the mask admits it; a missing one, or a "folder" that is a file, lists
    // nothing.
    EXPECT_EQ(listed("dir\\plain.cfg", ListMask::kNormal), (Names{"plain.cfg"}));
    EXPECT_EQ(listed("dir\\hidden.cfg", ListMask::kDirectories), Names{});
    EXPECT_EQ(listed("dir\\folder.cfg", ListMask::kNormal), Names{});
    EXPECT_EQ(listed("dir\\folder.cfg", ListMask::kDirectories), (Names{"folder.cfg"}));
    EXPECT_EQ(listed("missing\\", ListMask::kNormal), Names{});
    EXPECT_EQ(listed("dir\\plain.cfg\\", ListMask::kNormal), Names{});
}

TEST(Win32FileSystem, ReadsAttributesAfterAResetAndFilesOthersWriteButNotLock) {
    TempFolder temp;
    const std::string path =
        temp.Write("held.txt", "one\r\ntwo", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    win32::Win32FileSystem files;
    // The entry just listed is answered from the listing; a reset must not leave that answer behind.
    ASSERT_EQ(files.ListFirst(path, ListMask::kEverything), "held.txt");
    EXPECT_NE(files.ReadAttributes(path) & platform::kAttrHidden, 0u);
    files.ResetAttributes(path);
    EXPECT_EQ(files.ReadAttributes(path) & (platform::kAttrHidden | platform::kAttrReadOnly), 0u);

    {
        const win32::UniqueFile writer = HoldOpen(path, FILE_SHARE_READ);
        const auto lines = files.OpenForInput(path);
        EXPECT_EQ(lines->ReadLine(), "one");
        EXPECT_EQ(lines->ReadLine(), "two");
    }
    const win32::UniqueFile holder = HoldOpen(path, 0);
    for (const auto& open : {+[](win32::Win32FileSystem&f, const std::string&p) { f.OpenForInput(p); },
                             +[](win32::Win32FileSystem&f, const std::string&p) { f.DeleteFileAt(p, {}); }}) {
        try {
            open(files, path);
            ADD_FAILURE() << "a locked file was opened";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), kErrPermissionDenied);
        }
    }
}

}  // namespace
}  // namespace vexar::testing
