#pragma once
// Saving a game file so that no byte of it is ever lost: the new bytes go to a temporary file beside it
// (a name the game list never shows), are read back with the launcher's own reader and compared with
// what the editor shows, and only then take the original's place in one step. Each step's failure
// leaves the original file whole and says which step failed. What to ask the user is the caller's: the
// plan only reports what stands in the way.

#include <optional>
#include <string>
#include <string_view>

#include "checker/launcher_folder_check.h"
#include "editor/game_document.h"
#include "platform/platform.h"

namespace vexar::editor {

// The suffix of the temporary file a save writes beside the game file ("raiders.cfg.~vexedit"), which
// VexarCheck knows as a leftover.
inline constexpr std::string_view kTemporarySuffix = kSaveTemporarySuffix;

enum class SaveOutcome {
    kSaved,
    kRefused,  // a value breaks the file's format (SaveResult::message says which and why)
    // The file's encoding cannot hold some characters - the ANSI code page lacks them, or their bytes in it
    // would read back as UTF-8 - offer UTF-8 (UseUtf8), or cancel.
    kLacking,
    kChangedOnDisk,  // another program changed or removed the file since it was opened or last saved
    kExists,         // a new file's name is taken by another file
    kReadOnly,       // the file or its medium is read-only; nothing was made writable
    kFailed,         // a step failed; the original is whole (SaveResult::message names the step and error)
};

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::kSaved;
    std::string message;
};

enum class Overwrite {
    kIfUnchanged,  // stop with kChangedOnDisk when the file changed since `stamp`
    kAnyway,       // the user chose to overwrite another program's changes
};

// Where the document is saved: `folder` (the configuration folder, ending in a backslash) + `name`, and
// what the file was when the editor last read or wrote it (none for a file that is new).
struct SaveTarget {
    std::string folder;
    std::string name;
    std::optional<platform::FileStamp> stamp;
};

// Saves `document` as `target`: refusals and the name first, then the stamp (kChangedOnDisk unless
// kAnyway) and the read-only attribute; the new bytes go to `name` + kTemporarySuffix, are read back with
// the launcher's reader (title and seven values; a line the file lacks or one shorter than its label
// reads as no value) and only then replace the file (a new one never takes the place of another), which is
// read back once more and put back as it was when that fails. On kSaved the document is marked saved and
// `target.stamp` is the new file's; on any other outcome the original file's bytes are as they were and no
// temporary file is left (the message says so where a step of putting things back failed too).
SaveResult Save(GameDocument& document, SaveTarget& target, Overwrite overwrite, platform::FileSystem& files,
                platform::FileWriter& writer, const platform::TextCodec& codec);

// Reads the game file `folder` + `name` into a document and its stamp; raises the file system's error.
GameDocument Load(platform::FileSystem& files, platform::FileWriter& writer, const platform::TextCodec& codec,
                  SaveTarget& target);

}  // namespace vexar::editor
