// The Win32 file system against real folders.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "platform/line_splitter.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_file_system.h"
#include "error_of.h"
#include "real_files.h"
#include "temp_folder.h"

namespace vexar::win32 {
namespace {

using platform::ListMask;
using Names = std::vector<std::string>;

using testing::ErrorOf;
using testing::HoldOpen;

class Win32FileSystemTest : public ::testing::Test {
protected:
    testing::TempFolder folder;
    Win32FileSystem files;

    // Every name of the listing, sorted.
    Names ListAll(const std::string& pattern, ListMask mask) {
        Names names;
        for (std::string name = files.ListFirst(pattern, mask); !name.empty(); name = files.ListNext()) {
            names.push_back(name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(Win32FileSystemTest, ListingMasksFilterDirectoriesHiddenAndSystemEntries) {
    folder.WriteFile("plain.txt", "p");
    folder.WriteFile("readonly.txt", "r", FILE_ATTRIBUTE_READONLY);
    folder.WriteFile("archive.txt", "a", FILE_ATTRIBUTE_ARCHIVE);
    folder.WriteFile("hidden.txt", "h", FILE_ATTRIBUTE_HIDDEN);
    folder.WriteFile("system.txt", "s", FILE_ATTRIBUTE_SYSTEM);
    folder.MakeFolder("sub");
    folder.MakeFolder("hiddensub", FILE_ATTRIBUTE_HIDDEN);

    const Names plain{"archive.txt", "plain.txt", "readonly.txt"};
    EXPECT_EQ(ListAll(folder.path(), ListMask::kNormal), plain);
    EXPECT_EQ(ListAll(folder.path(), ListMask::kDirectories),
              (Names{".", "..", "archive.txt", "plain.txt", "readonly.txt", "sub"}));
    EXPECT_EQ(ListAll(folder.path(), ListMask::kEverything),
              (Names{".", "..", "archive.txt", "hidden.txt", "hiddensub", "plain.txt", "readonly.txt", "sub",
                     "system.txt"}));
    // A trailing backslash is the same as "\*".
    EXPECT_EQ(ListAll(folder.PathOf("*"), ListMask::kNormal), plain);
    EXPECT_EQ(ListAll(folder.PathOf("*.txt"), ListMask::kNormal), plain);
}

TEST_F(Win32FileSystemTest, SingleNameListingIsAnExistenceTest) {
    folder.WriteFile("here.txt", "x");
    folder.WriteFile("secret.txt", "x", FILE_ATTRIBUTE_HIDDEN);
    folder.MakeFolder("dir");

    EXPECT_EQ(files.ListFirst(folder.PathOf("here.txt"), ListMask::kNormal), "here.txt");
    EXPECT_EQ(files.ListNext(), "");
    EXPECT_EQ(files.ListFirst(folder.PathOf("secret.txt"), ListMask::kNormal), "");
    EXPECT_EQ(files.ListFirst(folder.PathOf("secret.txt"), ListMask::kEverything), "secret.txt");
    EXPECT_EQ(files.ListFirst(folder.PathOf("dir"), ListMask::kNormal), "");
    EXPECT_EQ(files.ListFirst(folder.PathOf("dir"), ListMask::kDirectories), "dir");
    EXPECT_EQ(files.ListFirst(folder.PathOf("gone.txt"), ListMask::kNormal), "");
}

TEST_F(Win32FileSystemTest, MissingFolderOrNoMatchIsAnEmptyListingAndListNextThenRaises5) {
    folder.WriteFile("a.txt", "x");
    EXPECT_EQ(files.ListFirst(folder.PathOf("missing\\"), ListMask::kEverything), "");
    EXPECT_EQ(ErrorOf([&] { files.ListNext(); }), kErrInvalidCall);
    EXPECT_EQ(files.ListFirst(folder.PathOf("missing\\deeper\\*.cfg"), ListMask::kNormal), "");
    EXPECT_EQ(files.ListFirst(folder.PathOf("*.cfg"), ListMask::kNormal), "");
    EXPECT_EQ(ErrorOf([&] { files.ListNext(); }), kErrInvalidCall);

    Win32FileSystem fresh;
    EXPECT_EQ(ErrorOf([&] { fresh.ListNext(); }), kErrInvalidCall);
}

TEST_F(Win32FileSystemTest, ListFirstEndsTheListingInProgress) {
    folder.MakeFolder("one");
    folder.MakeFolder("two");
    folder.WriteFile("one\\a1", "");
    folder.WriteFile("one\\a2", "");
    folder.WriteFile("two\\b1", "");
    EXPECT_FALSE(files.ListFirst(folder.PathOf("one\\"), ListMask::kNormal).empty());
    EXPECT_EQ(files.ListFirst(folder.PathOf("two\\"), ListMask::kNormal), "b1");
    EXPECT_EQ(files.ListNext(), "");
    EXPECT_EQ(ErrorOf([&] { files.ListNext(); }), kErrInvalidCall);
}

TEST_F(Win32FileSystemTest, AttributesAreReadAndReset) {
    const std::string path = folder.WriteFile(
        "f.txt", "x", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    constexpr std::uint32_t kKept = platform::kAttrReadOnly | platform::kAttrHidden | platform::kAttrSystem;
    EXPECT_EQ(files.ReadAttributes(path) & (kKept | platform::kAttrDirectory), kKept);
    files.ResetAttributes(path);
    EXPECT_EQ(files.ReadAttributes(path) & kKept, 0u);
    EXPECT_NE(files.ReadAttributes(folder.MakeFolder("d")) & platform::kAttrDirectory, 0u);

    // The entry just listed is answered from the listing, and only until something may change it.
    EXPECT_EQ(files.ListFirst(folder.PathOf("f.txt"), ListMask::kEverything), "f.txt");
    folder.SetAttributes("f.txt", FILE_ATTRIBUTE_HIDDEN);
    files.ResetAttributes(path);
    EXPECT_EQ(files.ReadAttributes(path) & kKept, 0u);
    folder.SetAttributes("f.txt", FILE_ATTRIBUTE_SYSTEM);
    EXPECT_EQ(files.ListFirst(folder.PathOf("f.txt"), ListMask::kEverything), "f.txt");
    folder.SetAttributes("f.txt", 0);
    EXPECT_EQ(files.ReadAttributes(path) & kKept, platform::kAttrSystem);
    EXPECT_EQ(files.ReadAttributes(path) & kKept, 0u);

    EXPECT_EQ(ErrorOf([&] { files.ReadAttributes(folder.PathOf("none")); }), kErrFileNotFound);
    EXPECT_EQ(ErrorOf([&] { files.ReadAttributes(folder.PathOf("none\\x")); }), kErrPathNotFound);
    EXPECT_EQ(ErrorOf([&] { files.ResetAttributes(folder.PathOf("none")); }), kErrFileNotFound);
}

TEST_F(Win32FileSystemTest, DeletionAndRemovalFailuresHaveTheirNumbers) {
    EXPECT_EQ(ErrorOf([&] { files.DeleteFileAt(folder.PathOf("none")); }), kErrFileNotFound);
    EXPECT_EQ(ErrorOf([&] { files.DeleteFileAt(folder.PathOf("none\\x")); }), kErrPathNotFound);
    EXPECT_EQ(ErrorOf([&] { files.RemoveEmptyDirectory(folder.PathOf("none")); }), kErrFileNotFound);
    EXPECT_EQ(ErrorOf([&] { files.RemoveEmptyDirectory(folder.PathOf("none\\x")); }), kErrPathNotFound);
    const std::string read_only = folder.WriteFile("read-only.txt", "x", FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(ErrorOf([&] { files.DeleteFileAt(read_only); }), kErrPathFileAccess);

    const std::string locked = folder.WriteFile("locked.txt", "x");
    {
        const UniqueFile hold = HoldOpen(locked);
        EXPECT_EQ(ErrorOf([&] { files.DeleteFileAt(locked); }), kErrPermissionDenied);
    }
    files.DeleteFileAt(locked);
    EXPECT_EQ(::GetFileAttributesA(locked.c_str()), INVALID_FILE_ATTRIBUTES);

    const std::string full = folder.MakeFolder("full");
    folder.WriteFile("full\\child", "x");
    EXPECT_EQ(ErrorOf([&] { files.RemoveEmptyDirectory(full); }), kErrPathFileAccess);
    files.DeleteFileAt(folder.PathOf("full\\child"));
    files.RemoveEmptyDirectory(full);
    EXPECT_EQ(::GetFileAttributesA(full.c_str()), INVALID_FILE_ATTRIBUTES);
}

// Every line until the reader raises 62.
Names ReadAllLines(platform::LineReader& reader) {
    Names lines;
    for (;;) {
        try {
            lines.push_back(reader.ReadLine());
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), kErrPastEndOfFile);
            return lines;
        }
    }
}

TEST_F(Win32FileSystemTest, LineReaderSplitsRealFiles) {
    using namespace std::string_literals;
    const std::string mixed = folder.WriteFile("mixed", "a\rb\r\nc\nd");
    EXPECT_EQ(ReadAllLines(*files.OpenForInput(mixed)), (Names{"a", "b", "c", "d"}));
    // ("nul" would name the NUL device.)
    const std::string zeros = folder.WriteFile("zeros", "x\0y\r\n\0\0\r"s);
    EXPECT_EQ(ReadAllLines(*files.OpenForInput(zeros)), (Names{"x\0y"s, "\0\0"s}));
    const std::string blank = folder.WriteFile("blank", "\r\n\r\n");
    EXPECT_EQ(ReadAllLines(*files.OpenForInput(blank)), (Names{"", ""}));
    const std::string empty = folder.WriteFile("empty", "");
    EXPECT_EQ(ErrorOf([&] { files.OpenForInput(empty)->ReadLine(); }), kErrPastEndOfFile);
    // A line longer than the first block, its CR LF split over the blocks' border.
    const std::string long_line(4095, 'L');
    const std::string border = folder.WriteFile("border", long_line + "\r\nnext");
    EXPECT_EQ(ReadAllLines(*files.OpenForInput(border)), (Names{long_line, "next"}));
}

TEST_F(Win32FileSystemTest, OpenForInputFailuresAndTheFileIsClosedWithTheReader) {
    EXPECT_EQ(ErrorOf([&] { files.OpenForInput(folder.PathOf("none")); }), kErrFileNotFound);
    EXPECT_EQ(ErrorOf([&] { files.OpenForInput(folder.PathOf("none\\x")); }), kErrPathNotFound);
    EXPECT_EQ(ErrorOf([&] { files.OpenForInput(folder.MakeFolder("dir")); }), kErrPathFileAccess);
    const std::string path = folder.WriteFile("f", "one\r\ntwo");
    {
        const UniqueFile hold = HoldOpen(path);
        EXPECT_EQ(ErrorOf([&] { files.OpenForInput(path); }), kErrPermissionDenied);
    }
    {
        // A program writing the file does not keep it from being read.
        UniqueFile writer(
            ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(writer);
        EXPECT_EQ(files.OpenForInput(path)->ReadLine(), "one");
    }
    auto reader = files.OpenForInput(path);
    EXPECT_EQ(reader->ReadLine(), "one");
    EXPECT_EQ(ErrorOf([&] { files.DeleteFileAt(path); }), kErrPermissionDenied);
    reader.reset();
    files.DeleteFileAt(path);
}

TEST_F(Win32FileSystemTest, HugeFilesCostOnlyTheLinesRead) {
    const std::string path = folder.WriteFile("huge.cfg", "LABELVEXARLNCH]\r\nTitle:         Huge\r\n");
    {
        // 1 GB, all but the first lines a hole of NUL bytes.
        UniqueFile file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(file);
        LARGE_INTEGER size;
        size.QuadPart = LONGLONG{1} << 30;
        ASSERT_TRUE(::SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN));
        ASSERT_TRUE(::SetEndOfFile(file.get()));
    }
    const auto start = std::chrono::steady_clock::now();
    auto reader = files.OpenForInput(path);
    EXPECT_EQ(reader->ReadLine(), "LABELVEXARLNCH]");
    EXPECT_EQ(reader->ReadLine(), "Title:         Huge");
    // The hole has no line end: the third line is cut at the limit and the file ends there.
    EXPECT_EQ(reader->ReadLine(), std::string(platform::LineSplitter::kMaxLineLength, '\0'));
    EXPECT_EQ(ErrorOf([&] { reader->ReadLine(); }), kErrPastEndOfFile);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));

    const std::string endless = folder.WriteFile("endless", std::string(6 << 20, 'x'));
    reader = files.OpenForInput(endless);
    EXPECT_EQ(reader->ReadLine().size(), platform::LineSplitter::kMaxLineLength);
    EXPECT_EQ(ErrorOf([&] { reader->ReadLine(); }), kErrPastEndOfFile);
}

TEST_F(Win32FileSystemTest, RecordFileRoundTrip) {
    const std::string path = folder.PathOf("Title.cfg");
    EXPECT_EQ(ErrorOf([&] { files.OpenRecords(path, 100, platform::RecordAccess::kReadOnly); }),
              kErrFileNotFound);
    std::array<std::uint8_t, 100> record{};
    {
        auto file = files.OpenRecords(path, 100, platform::RecordAccess::kReadWrite);
        EXPECT_EQ(::GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);  // created
        EXPECT_EQ(file->ReadRecord(1, record), 0u);
        const std::array<std::uint8_t, 3> second{7, 8, 9};
        file->WriteRecord(2, second);
        const std::array<std::uint8_t, 101> too_long{};
        EXPECT_EQ(ErrorOf([&] { file->WriteRecord(1, too_long); }), kErrBadRecordLength);
        EXPECT_EQ(ErrorOf([&] { file->ReadRecord(0, record); }), kErrBadRecordNumber);
    }
    auto file = files.OpenRecords(path, 100, platform::RecordAccess::kReadOnly);
    EXPECT_EQ(file->ReadRecord(1, record), 100u);  // the gap before record 2 reads as zeros
    EXPECT_EQ(record[0], 0);
    EXPECT_EQ(file->ReadRecord(2, record), 3u);
    EXPECT_EQ(record[2], 9);
    EXPECT_EQ(file->ReadRecord(3, record), 0u);
}

TEST_F(Win32FileSystemTest, ReadOnlyRecordFileOpensOnlyForReading) {
    std::string content(100, 'r');
    const std::string path = folder.WriteFile("Title.cfg", content, FILE_ATTRIBUTE_READONLY);
    // Wine keeps the read-only attribute in the Unix write bits, which do not stop root.
    const bool enforced = !UniqueFile(
        ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (enforced) {
        EXPECT_EQ(ErrorOf([&] { files.OpenRecords(path, 100, platform::RecordAccess::kReadWrite); }),
                  kErrPathFileAccess);
    }
    auto file = files.OpenRecords(path, 100, platform::RecordAccess::kReadOnly);
    std::array<std::uint8_t, 100> record{};
    EXPECT_EQ(file->ReadRecord(1, record), 100u);
    EXPECT_EQ(record[99], 'r');
    EXPECT_EQ(ErrorOf([&] { file->WriteRecord(1, record); }), kErrPathFileAccess);
}

}  // namespace
}  // namespace vexar::win32
