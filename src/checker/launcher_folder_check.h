#pragma once
// VexarCheck's logic: every problem of a launcher folder's game files, found before anyone starts the
// launcher there. It applies the launcher's own rules (launcher/launcher_rules.h, the configuration
// format, the list fill) and says what the launcher would show in the launcher's own words: the
// list at start, the box that would stop it, the box each game would bring when chosen, and whether the
// shell would find each game's start folder and programs.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "checker/program_search.h"
#include "launcher/launcher_paths.h"
#include "platform/platform.h"

namespace vexar {

enum class Severity { kNote, kWarning, kError };

// One thing the check found, about `file` (relative to the launcher folder).
struct Finding {
    std::string file;
    // The line of `file` it is about, from 1; 0 when it is about the whole file.
    int line;
    Severity severity;
    std::string text;
};

// The suffix of the temporary file the game-file editor writes beside a game file while it saves it
// ("raiders.cfg.~vexedit"); one is left only where a save was cut short.
inline constexpr std::string_view kSaveTemporarySuffix = ".~vexedit";

// VexarCheck's exit statuses.
inline constexpr int kExitNoProblem = 0;
inline constexpr int kExitProblems = 1;

struct CheckReport {
    std::vector<Finding> findings;
    // The number of entries the game list would hold at start.
    std::int32_t games_listed = 0;

    // The findings that are errors or warnings.
    std::int32_t Problems() const;
    // Returns kExitProblems when there is any problem, otherwise kExitNoProblem.
    int ExitStatus() const;
};

// Checks the launcher folder that is the current directory, as the launcher would see it there at start,
// when each game is chosen and when it is launched. Reads through `files` and never changes anything.
// The findings come in this order: the folder's own state (CD mode, Title.cfg, the manual), what the
// listing of the configuration folder told, each game file's findings in the order of the game list (the
// stop of a file that stops the list comes last of them and names the games it hides), then the files in
// the configuration folder that are not listed.
CheckReport CheckLauncherFolder(platform::FileSystem& files, const platform::TextCodec& codec,
                                const ShellFolders& shell, const LauncherPaths& paths = {});

// The note on what this computer offers the launcher's gamepad support: the XInput it would load from the
// system folder (`xinput_library`, the file's full path), or "" when there is none.
Finding GamepadNote(const std::string& xinput_library);

// "file:line: severity: text" as compilers write it, without ":line" when the line is 0.
std::string FormatFinding(const Finding& finding);
// "N games listed, M problems".
std::string FormatSummary(const CheckReport& report);

}  // namespace vexar
