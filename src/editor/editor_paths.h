#pragma once
// Paths a disc author picks on this PC, written as the game file should hold them to work from a disc on
// any other: the shortest form the shell's own search (checker/program_search.h) finds the same file by,
// relative to the launcher folder for the start folder and to the start folder for a program. Also the
// game a dropped program makes, and the notes about drive letters in parameters. The launcher folder is
// always an absolute path here; nothing depends on the current directory.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checker/launcher_folder_check.h"
#include "checker/program_search.h"
#include "editor/game_document.h"
#include "platform/platform.h"

namespace vexar::editor {

// `path` (a Windows path, backslashes or slashes between its parts) as an absolute path against the
// absolute folder `base`: a path with a drive or a share's as it is, one beginning with a backslash on
// `base`'s drive or share, any other below `base`; "." and ".." parts resolved, one backslash between
// the parts and none at the end, except after a drive alone ("E:\").
std::string AbsolutePath(std::string_view path, std::string_view base);
// True when the absolute paths `a` and `b` name the same place: equal but for the case of ASCII letters,
// as Windows compares names.
bool SamePath(std::string_view a, std::string_view b);

// Returns the folder part of `path` (before its last backslash; "" when it has none) and its last part.
std::pair<std::string_view, std::string_view> FolderAndName(std::string_view path);

// A value proposed for a path field, and what the author should know about it ("" when nothing).
struct ProposedPath {
    std::string value;
    std::string warning;
    // A warning, or a note where the checker says the same in its own words (a program Windows' folders
    // hold).
    Severity severity = Severity::kWarning;
};

// The start folder to write for the absolute folder `chosen`, the launcher folder being `launcher`
// (absolute, no final backslash): "." for the launcher folder itself, a relative path inside it or on its
// drive, the path unchanged with a warning on another drive or a network share.
ProposedPath ProposeStartFolder(std::string_view chosen, std::string_view launcher);

// The program to write for the absolute file `chosen` with start folder value `start` (as the file holds
// it, relative to `launcher`): the shortest form that `search` resolves back to `chosen` - a bare name,
// a path below the start folder, a name Windows' own folders hold - otherwise `chosen` unchanged with a
// warning.
ProposedPath ProposeProgram(std::string_view chosen, std::string_view start, std::string_view launcher,
                            ProgramSearch& search);

// The warnings about drive letters in a parameter field's value: for the CD parameters, any drive letter
// other than C: ("the CD's drive letter differs on every PC; ..."); none for the other fields.
std::vector<std::string> ParameterWarnings(Field field, std::string_view value);

// A new game made from the absolute program path `program`: the launch file and start folder as
// ProposeProgram / ProposeStartFolder give them (the start folder is the program's folder), and the title
// from the program's folder name (its parent's for a generic name such as "bin" or "x64"), else the file
// name without its extension.
struct NewGame {
    std::string title;
    ProposedPath start;
    ProposedPath program;
};
NewGame NewGameFromProgram(std::string_view program, std::string_view launcher, ProgramSearch& search);

// A file name for a game called `title`: the characters no file name holds left out, a device name
// avoided, lower-case ".cfg", and a number added while `taken` says the name is in use.
std::string FileNameForTitle(std::string_view title, const std::function<bool(const std::string&)>& taken);

// Why `name` cannot be a game file's name, or nothing: it must end in lower-case ".cfg", hold only
// characters a file name may, and not name a device - the launcher's own rules (launcher_rules.h,
// HasConfigExtension). The save plan refuses such a name with this text.
std::optional<std::string> FileNameRefusal(std::string_view name);

}  // namespace vexar::editor
