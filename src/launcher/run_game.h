#pragma once
// The launcher started with arguments: "/run NAME [OPTIONS]" starts one game without the window - the
// same reads, launch plan and shell requests as choosing the game and pressing the launch button with
// OPTIONS in the command box - and says every failure in a box and in the exit status; "/?" shows the
// usage. The window, the saved title and the exit clean-up are not touched. Reading the command line is
// command_line.h's.

#include <string>
#include <string_view>

#include "launcher/command_line.h"
#include "launcher/launcher_paths.h"
#include "platform/platform.h"

namespace vexar {

// Exit statuses of a run with arguments.
inline constexpr int kRunDone = 0;    // the game's request was handed over (or the preview, the usage shown)
inline constexpr int kRunFailed = 1;  // the game was not started: the box said why
inline constexpr int kRunBadUsage = 2;  // an unknown switch or a missing NAME: the usage was shown

// Returns the sentence on the exit statuses that the usage shows; the documents say the same.
std::string ExitStatusText();

// Does what `command` (not kWindow) asks for; returns the exit status. `shown_folder` is the
// configuration folder as a box about an unknown NAME names it (its full path).
int RunCommandLine(const CommandLine& command, platform::Services services, const LauncherPaths& paths,
                   std::string_view shown_folder);

}  // namespace vexar
