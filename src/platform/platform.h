#pragma once
// The platform seam.
//
// Everything the launcher needs from Windows passes through the interfaces in this header: the file
// system (listings by pattern and attribute mask, attributes, deletion, a file's bytes front to back, the
// fixed-length record file), the shell's "open", modal message boxes, and the ANSI code page. The windows
// and controls are seen through the view interfaces of the launcher and the notes window
// (launcher/launcher_view.h, notes_window/notes_view.h). How a file's bytes become lines of text is
// platform/text_file.h's.
//
// The launcher's logic - configuration format, start-up, selection, launch, keywords, sort and tree
// removal - is written against these interfaces only and never includes <windows.h>. The real
// implementation is platform/win32: thin wrappers over the Win32 calls that check every result.
//
// Contract shared by every implementation:
// - All texts are UTF-8, as the launcher holds them, and reach Windows' wide calls without passing
//   through the ANSI code page; paths are passed through unchanged (relative ones resolve against the
//   current directory).
// - A failure raises vexar::RuntimeError with a runtime error number from platform/errors.h. Nothing
//   here reports failure by return value, except where a function says so.
// - There is one directory listing in progress at a time for the whole program.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/errors.h"

namespace vexar::platform {

// Attribute bits as the file system reports them.
enum Attribute : std::uint32_t {
    kAttrNormal = 0x0,
    kAttrReadOnly = 0x1,
    kAttrHidden = 0x2,
    kAttrSystem = 0x4,
    kAttrDirectory = 0x10,
    kAttrReparsePoint = 0x400,
};

// Which entries a listing returns. Plain files are always returned; an entry with the directory,
// hidden or system attribute only when the mask holds every one of those attributes it has.
enum class ListMask : std::uint32_t {
    kNormal = 0,               // plain files only
    kDirectories = 16,         // plain files and directories (not hidden or system ones)
    kEverything = 2 | 4 | 16,  // plain files, directories, hidden and system entries
};

// True when an entry with attributes `attributes` belongs to a listing with `mask`.
constexpr bool ListMaskAdmits(ListMask mask, std::uint32_t attributes) {
    const std::uint32_t filtered = attributes & (kAttrHidden | kAttrSystem | kAttrDirectory);
    return (filtered & ~static_cast<std::uint32_t>(mask)) == 0;
}

// Sequential text input, line by line.
class LineReader {
public:
    virtual ~LineReader() = default;
    // Returns the next line without its terminator (CR, CR LF or LF); raises 62 when no line is left.
    virtual std::string ReadLine() = 0;
};

// A file's bytes, read front to back; the file is closed when the object is destroyed.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to `out.size()` bytes into `out`; returns how many, 0 at the end of the file.
    virtual std::size_t ReadSome(std::span<char> out) = 0;
};

// Whether a file's attributes are reset to normal before it is deleted.
enum class AttributeReset {
    kNone,   // deleted as it is
    kFirst,  // attributes reset first; when that fails the file stays
};

enum class RecordAccess {
    kReadWrite,  // opened for reading and writing; a missing file is created empty
    kReadOnly,   // opened for reading only; a missing file raises 53
};

// A file of fixed-length records, numbered from 1; the file is closed when the object is destroyed.
class RecordFile {
public:
    virtual ~RecordFile() = default;
    // Reads record `number` into `out` (record-length bytes); returns how many bytes the file holds
    // for it (0 when the record starts at or past the end of the file).
    virtual std::size_t ReadRecord(std::uint32_t number, std::span<std::uint8_t> out) = 0;
    // Writes `bytes` at the start of record `number`; raises 59 when they exceed the record length.
    virtual void WriteRecord(std::uint32_t number, std::span<const std::uint8_t> bytes) = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Starts a listing of `pattern` (ending any listing in progress) and returns its first name, or ""
    // when nothing matches or the folder does not exist. A pattern that ends in a backslash lists every
    // entry of that directory. Raises the file system's error when the listing cannot start otherwise.
    virtual std::string ListFirst(std::string_view pattern, ListMask mask) = 0;
    // Returns the next name of the listing in progress, "" at its end; raises 5 when none is in progress.
    virtual std::string ListNext() = 0;

    // Returns the attribute bits of `path`; raises 53 (or 76) when it does not exist.
    virtual std::uint32_t ReadAttributes(std::string_view path) = 0;
    // Sets the attributes of `path` to normal (none set); for a link, those of the link itself.
    virtual void ResetAttributes(std::string_view path) = 0;
    // Deletes the file `path` (a link itself, never its target). With AttributeReset::kFirst its
    // attributes are reset to normal first: a failed reset raises the reset's error and deletes nothing;
    // otherwise a failure raises the deletion's error.
    virtual void DeleteFileAt(std::string_view path, AttributeReset reset) = 0;
    // Removes the empty directory `path` (for a directory link: the link, never its target).
    virtual void RemoveEmptyDirectory(std::string_view path) = 0;

    // Opens `path` for reading its bytes front to back; raises 53, 76, 75 or 70 when it cannot be opened.
    virtual std::unique_ptr<ByteSource> OpenForInput(std::string_view path) = 0;
    // Opens `path` as a file of `record_length`-byte records.
    virtual std::unique_ptr<RecordFile> OpenRecords(std::string_view path, std::size_t record_length,
                                                    RecordAccess access) = 0;
};

// When a file was last written, and how long it is: what tells that another program changed it.
struct FileStamp {
    std::uint64_t size = 0;
    std::uint64_t write_time = 0;  // in the file system's own units

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// Writing whole files, for the game-file editor (the launcher and the checker never write game files).
// Failures raise as FileSystem's do: 70 or 75 for a read-only file or medium, 61 for a full disk, 58
// where a file exists that must not.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Creates `path` (replacing a file of that name) holding exactly `bytes`, written through to the
    // medium before it returns.
    virtual void WriteWhole(std::string_view path, std::string_view bytes) = 0;
    // Puts the file `replacement` in the place of the existing file `target` in one step, keeping the
    // target's attributes; `replacement` is gone afterwards. When it raises, `target` is as it was.
    virtual void Replace(std::string_view target, std::string_view replacement) = 0;
    // Renames the file `from` to `to`; raises 58 when `to` exists, and then changes nothing.
    virtual void MoveNew(std::string_view from, std::string_view to) = 0;
    // Returns the size and last write time of the file `path`; raises 53 when it does not exist.
    virtual FileStamp Stamp(std::string_view path) = 0;
    // Makes the folder `path` in its existing parent; raises 58 when something of that name exists.
    virtual void MakeFolder(std::string_view path) = 0;
};

enum class ShowCommand : int {
    kNormal = 1,     // SW_SHOWNORMAL
    kMinimized = 2,  // SW_SHOWMINIMIZED
};

// One request to the shell: the arguments of its "execute" call in their order, after the owner window,
// which is always none.
struct ShellRequest {
    std::string operation = "open";
    std::string file = {};
    std::string parameters = {};
    std::string directory = {};
    ShowCommand show = ShowCommand::kNormal;

    friend bool operator==(const ShellRequest&, const ShellRequest&) = default;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Hands the request to the shell and returns at once, without waiting for what it starts. Returns
    // nothing once the shell took the request, or the shell's reason for refusing it (no such program,
    // no such folder); the window does not look at it.
    virtual std::optional<std::string> Open(const ShellRequest& request) = 0;
};

enum class Icon { kNone, kCritical, kQuestion, kWarning, kInformation };
enum class Buttons { kOk, kYesNo, kYesNoCancel };
enum class Answer { kOk, kYes, kNo, kCancel };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal message box titled `title` and returns the button the user pressed.
    virtual Answer Show(std::string_view text, std::string_view title, Icon icon, Buttons buttons) = 0;
};

// Text in the ANSI code page, and the characters the code page could not hold.
struct AnsiText {
    std::string bytes;
    // Each character (UTF-8) of the text that the code page lacks, once, in the order of the text; when
    // there is any, `bytes` holds the code page's stand-ins for them.
    std::string lacking;
};

// The system's ANSI code page: the saved title's, and that of game files saved without Unicode.
class TextCodec {
public:
    virtual ~TextCodec() = default;
    // `bytes` in the ANSI code page, as UTF-8.
    virtual std::string ToUtf8(std::string_view bytes) const = 0;
    // `text` (UTF-8) in the ANSI code page, with what it lacks.
    virtual AnsiText FromUtf8(std::string_view text) const = 0;
};

// The platform services the launcher's logic uses; the objects outlive every user of this bundle.
struct Services {
    FileSystem& files;
    Shell& shell;
    MessageBoxes& boxes;
    const TextCodec& codec;
};

}  // namespace vexar::platform
