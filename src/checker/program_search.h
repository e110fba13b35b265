#pragma once
// Where the Windows shell finds the file it is asked to open, decided from the places it searches in
// the order it searches them; what those places are on this computer comes from ShellFolders.
//
// The order, as measured under Wine 8 (docs/wine.md, "Where the shell finds a program") and as far as
// Windows documents it: a path with a drive or a leading backslash is taken as it is; any other name is
// looked for in the start folder, in Windows' own folders (the system folder, then the Windows folder),
// in the folders of the PATH variable, in the launcher's folder (the program's own folder and the current
// directory) and last under its App Paths registration. A name without any dot is looked for with ".exe"
// added (a dot anywhere counts, "sub.d\game" included). The name is never split at blanks: "cmd.exe /c
// exit" is one file name.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/platform.h"

namespace vexar {

// The places the shell searches after the start folder.
class ShellFolders {
public:
    virtual ~ShellFolders() = default;
    // Windows' own folders in the order the shell searches them: the system folder, the Windows folder.
    virtual std::vector<std::string> WindowsFolders() const = 0;
    // The folders of the PATH variable, in order.
    virtual std::vector<std::string> PathFolders() const = 0;
    // The file registered for the program name `name` under App Paths; "" when there is none.
    virtual std::string AppPath(std::string_view name) const = 0;
};

enum class ProgramPlace {
    kAsGiven,         // a path with a drive or a leading backslash
    kStartFolder,     // the start folder given with it
    kWindowsFolder,   // the system folder or the Windows folder
    kSearchPath,      // a folder of the PATH variable
    kLauncherFolder,  // the launcher's own folder
    kAppPaths,        // its App Paths registration
    kNowhere,
};

struct ProgramLocation {
    ProgramPlace place = ProgramPlace::kNowhere;
    // Where it was found, as the shell would open it.
    std::string path;
    // What was found there is a folder.
    bool folder;
};

class ProgramSearch {
public:
    // Looks only through `files`; the places after the start folder are read from `folders` once.
    ProgramSearch(platform::FileSystem& files, const ShellFolders& folders);

    // Where the shell finds `file` when it is opened with the start folder `start` ("" for none). A start
    // folder that does not exist is passed over, as Wine does; Windows refuses the start instead.
    ProgramLocation Find(std::string_view file, std::string_view start);

    // `file` as the shell looks for it: with ".exe" added when it holds no dot.
    static std::string SearchedName(std::string_view file);
    // True when the shell takes `file` as it is: it has a drive ("C:\x", "C:x") or a leading backslash
    // ("\x", "\\server\x").
    static bool TakenAsGiven(std::string_view file);

private:
    // The attributes of `path`, or none when nothing is there; each path is looked at once.
    std::optional<std::uint32_t> Attributes(const std::string& path);
    // The location `path` gives at `place` when something is there.
    std::optional<ProgramLocation> Probe(const std::string& path, ProgramPlace place);

    platform::FileSystem& files_;
    const ShellFolders& folders_;
    std::vector<std::string> windows_folders_;
    std::vector<std::string> path_folders_;
    std::unordered_map<std::string, std::optional<std::uint32_t>> seen_;
};

}  // namespace vexar
