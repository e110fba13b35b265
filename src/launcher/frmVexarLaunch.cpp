// Start-up of the main window (the game list and CD mode) and the rules that turn the window's raw
// events into handler calls.
#include "launcher/frmVexarLaunch.h"

#include <utility>

#include "launcher/game_list.h"
#include "launcher/launcher_rules.h"
#include "platform/messages.h"

namespace vexar {

namespace {

// What the notes box says when the list fill finds no configuration file.
constexpr std::string_view kNoGamesHint =
    "No games found. Put one .cfg file per game into the folder Configs beside this launcher, then start it "
    "again. The ? button opens the manual, which explains what a .cfg file holds.";

}  // namespace

frmVexarLaunch::frmVexarLaunch(platform::Services services, LauncherView& view, LauncherPaths paths,
                               frmNotesView* notes)
    : services_(services), view_(view), paths_(std::move(paths)), notes_(notes) {}

void frmVexarLaunch::Form_Initialize() {
    try {
        PopulateList();
        SetTitle();
    } catch (...) {
        ShowError(services_.boxes, TrappedError(), " in Form_Initialize");
    }
}

void frmVexarLaunch::Form_Load() {
    try {
        state_.blnIsCD = CdModeSelected(services_.files, paths_);
    } catch (...) {
        ShowError(services_.boxes, TrappedError(), " in Form_Load");
    }
}

void frmVexarLaunch::PopulateList() {
    const std::vector<GameListFile> files = FillGameList(services_.files, services_.boxes, services_.codec,
                                                         paths_.config_folder, AfterStop::kEnd);
    if (files.empty()) {
        // The list stays empty; a first-time user learns where the games go, without a box.
        view_.SetNotesText(kNoGamesHint);
        return;
    }
    // The entries go to the game list in one batch, also when an error ends the fill early.
    std::vector<std::string> entries;
    for (const GameListFile& file : files) {
        state_.strConfigFiles.push_back(file.name);
        if (!file.listed) continue;
        entries.push_back(file.entry.text);
        state_.lngListFiles.push_back(static_cast<std::int32_t>(state_.strConfigFiles.size() - 1));
    }
    view_.AddListEntries(entries);
    if (files.back().stop) ShowListFillError(services_.boxes, *files.back().stop);
}

void frmVexarLaunch::ControlFocused(LauncherControl control) {
    if (Unloading() || focused_ == control) return;
    const std::optional<LauncherControl> previous = std::exchange(focused_, control);
    if (previous == LauncherControl::kGameList) txtLauncher_LostFocus();
    if (previous == LauncherControl::kCommand) txtCommand_LostFocus();
}

void frmVexarLaunch::ListEntryChosen(int position) {
    chosen_ = position;
    txtLauncher_Click();
}

void frmVexarLaunch::ListTextEdited() {
    chosen_.reset();
}

int frmVexarLaunch::ChosenPosition() const {
    if (!chosen_ || *chosen_ < 0 || static_cast<std::size_t>(*chosen_) >= state_.lngListFiles.size())
        return -1;
    return *chosen_;
}

}  // namespace vexar
