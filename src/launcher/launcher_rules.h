#pragma once
// How the launcher takes its files at start and what it says about a game file it cannot use. The main
// window applies these rules; the game-file checker (checker/) applies the same ones to tell a disc's
// author in advance, so both always agree.

#include <string>
#include <string_view>

#include "launcher/launcher_paths.h"
#include "platform/platform.h"

namespace vexar {

// The main window's caption while no saved title replaces it.
inline constexpr std::string_view kDesignedCaption = "Vexar Launcher v3.0";

// What the list fill makes of one configuration file.
struct ListFillEntry {
    // The list text: the title, or the invalid-entry text; empty for a file that is not listed.
    std::string text;
    // Why the file is an invalid entry although its marker was never tested: 62 when it ends before
    // line 2, 52 when it cannot be opened under its listed name; 0 otherwise.
    int error = 0;
};

// Reads `folder` + `name` as the list fill does (ListRead), taking a file that ends too early or whose name
// cannot be opened as an invalid entry. Raises any other error: it ends the list fill.
ListFillEntry ReadListFillEntry(platform::FileSystem& files, std::string_view folder, std::string_view name);

// True when CD mode is selected: the CD marker is there as a plain file (not hidden, system or a folder).
bool CdModeSelected(platform::FileSystem& files, const LauncherPaths& paths);
// True when the help button finds the manual: it is there as a plain file.
bool ManualInstalled(platform::FileSystem& files, const LauncherPaths& paths);

// Shows the box with which `error` ends the list fill at start.
void ShowListFillError(platform::MessageBoxes& boxes, const RuntimeError& error);
// Shows the box with which `error` ends the reading of the saved title at start.
void ShowSavedTitleError(platform::MessageBoxes& boxes, const RuntimeError& error);
// Shows the box for `error` in the full read of the chosen game's file `name`: the missing-line box for 62,
// the short-line box for 5, the common error box for any other (9 is the selection's own).
void ShowSelectionError(platform::MessageBoxes& boxes, const RuntimeError& error, std::string_view name);

}  // namespace vexar
