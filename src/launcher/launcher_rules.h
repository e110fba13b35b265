#pragma once
// How the launcher looks for its fixed files and what it says about a file it cannot use. The main
// window applies these rules; the game-file checker (checker/) applies the same ones to tell a disc's
// author in advance, so both always agree.

#include <string>
#include <string_view>

#include "launcher/launcher_paths.h"
#include "platform/platform.h"

namespace vexar {

// The main window's caption while no saved title replaces it.
inline constexpr std::string_view kDesignedCaption = "Vexar Launcher v3.0";

// Returns true when a listing of `path` with `mask` returns a name: the presence test of the launcher's
// fixed files and folders.
bool PlainFilePresent(platform::FileSystem& files, std::string_view path, platform::ListMask mask);

// True when CD mode is selected: the CD marker is there as a plain file (not hidden, system or a folder).
bool CdModeSelected(platform::FileSystem& files, const LauncherPaths& paths);
// True when the help button finds the manual: it is there as a plain file.
bool ManualInstalled(platform::FileSystem& files, const LauncherPaths& paths);

// True when `name` can be one file's name: it holds none of Windows' wildcards (* ? < > "), no path
// separator, no drive's or stream's colon, no pipe and no control character.
bool IsFileName(std::string_view name);
// True when `name` names a device rather than a file (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9 in
// any case, also with an extension: "con.cfg"), which Windows opens instead of any file.
bool IsDeviceName(std::string_view name);

// Returns what the notes box says when the invalid entry of file `name` is chosen.
std::string InvalidConfigurationText(std::string_view name);

// Shows the box with which `error` ends the list fill at start.
void ShowListFillError(platform::MessageBoxes& boxes, const RuntimeError& error);
// Shows the box with which `error` ends the reading of the saved title at start.
void ShowSavedTitleError(platform::MessageBoxes& boxes, const RuntimeError& error);
// Shows the box for `error` in the full read of the chosen game's file `name`: the missing-line box for 62,
// the short-line box for 5, the common error box for any other (9 is the selection's own).
void ShowSelectionError(platform::MessageBoxes& boxes, const RuntimeError& error, std::string_view name);

}  // namespace vexar
