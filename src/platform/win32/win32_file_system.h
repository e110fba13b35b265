#pragma once
// The file system over the wide Win32 calls, paths and names UTF-8 on this side; a file's text is
// platform/text_file's, error numbers error_map's.

#include <windows.h>

#include "platform/later_calls.h"
#include "platform/platform.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_later_calls.h"

namespace vexar::win32 {

// `path` as the wide calls of the file system and the file writer take it. Windows takes a file named
// like a device - "com1.cfg", "aux.cfg", "con.cfg", "nul.cfg", ... - for that device (the serial port, the
// console) wherever the name stands in a path, unless the path begins with "\\?\". Such a path goes as
// "\\?\" and its full path, which names the file itself; every other path goes as it is.
std::wstring SystemPath(std::string_view path);

// Returns the current directory, in full (asked until it fits: it may change between two calls); "" when
// Windows gives none.
std::wstring CurrentDirectory();

// Listings through FindFirstFileW/FindNextFileW (one at a time, filtered by the attribute mask),
// attributes, deletion, byte input and record files on real files; every failure is raised as the
// run-time error that error_map gives for the Win32 code.
class Win32FileSystem : public platform::FileSystem {
public:
    // Uses of the later calls only those `calls` allows that this Windows has (platform/later_calls.h);
    // a test allows fewer to take Windows XP's way.
    explicit Win32FileSystem(const platform::LaterCalls& calls = PresentLaterCalls());

    // Returns the first admitted name of `pattern`, "" when nothing matches or the folder is missing.
    std::string ListFirst(std::string_view pattern, platform::ListMask mask) override;
    // Returns the next admitted name, "" at the end; raises 5 when no listing is in progress.
    std::string ListNext() override;

    // Returns the attribute bits of `path`: for the entry the listing has just returned, the listing's own
    // (no second look-up), otherwise what GetFileAttributesW reports.
    std::uint32_t ReadAttributes(std::string_view path) override;
    // Gives `path` (a link itself) normal attributes.
    void ResetAttributes(std::string_view path) override;
    // Deletes the file `path` (or marks it for deletion while others still hold it open with
    // delete sharing): one handle resets the attributes and marks the file; a link goes itself. Without
    // SetFileInformationByHandle (Windows XP), SetFileAttributesW and DeleteFileW do it by path.
    void DeleteFileAt(std::string_view path, platform::AttributeReset reset) override;
    // Removes the empty directory `path`.
    void RemoveEmptyDirectory(std::string_view path) override;

    // Returns a byte source that owns the open file, shared for reading and writing with others.
    std::unique_ptr<platform::ByteSource> OpenForInput(std::string_view path) override;
    // Returns the open record file; kReadWrite creates a missing file, kReadOnly raises 53 for one.
    std::unique_ptr<platform::RecordFile> OpenRecords(std::string_view path, std::size_t record_length,
                                                      platform::RecordAccess access) override;

private:
    // Moves the listing to its next entry; returns false (ending the listing) when there is none.
    bool Advance();
    // Returns the name in data_ or the first admitted one after it; "" (ending the listing) at the end.
    std::string FirstAdmittedName();
    // Sets the attributes of the open `entry` to normal, leaving its times; false (error in GetLastError)
    // when it cannot.
    bool ResetToNormal(HANDLE entry) const;
    // Marks the open `file` for deletion; false (error in GetLastError) when it cannot.
    bool MarkForDeletion(HANDLE file);

    // SetFileInformationByHandle, null where it is not used.
    decltype(&::SetFileInformationByHandle) set_information_ = nullptr;
    platform::FileSteps steps_ = platform::FileSteps::kByPath;

    UniqueFind find_;
    WIN32_FIND_DATAW data_{};
    platform::ListMask mask_ = platform::ListMask::kNormal;
    // The listed folder as the pattern names it (up to its last backslash), and the path of the entry
    // the listing returned last, with its attributes; empty once anything may have changed them.
    std::string listed_folder_;
    std::string listed_path_;
    DWORD listed_attributes_ = 0;
    // The file system has not refused a deletion with POSIX semantics.
    bool posix_deletion_ = true;
};

}  // namespace vexar::win32
