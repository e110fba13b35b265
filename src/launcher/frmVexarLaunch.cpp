// Start-up of the main window (the game list and CD mode) and the rules that turn the window's raw
// events into handler calls.
#include "launcher/frmVexarLaunch.h"

#include <utility>

#include "file_utils/mdlGlobalFunctions.h"
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

bool frmVexarLaunch::Present(std::string_view pattern, platform::ListMask mask) {
    return !services_.files.ListFirst(pattern, mask).empty();
}

void frmVexarLaunch::PopulateList() {
    std::int32_t count = 0;
    std::vector<std::string> names;
    SortedFiles(services_, paths_.config_folder, count, names, SkipDot::kYes, SkipDotDot::kYes);

    state_.strConfigFiles.assign(1, std::string());
    state_.strGameTitles.assign(1, std::string());
    state_.lngListFiles.clear();
    state_.lngConfigCount = 0;
    if (count <= 0) {
        // The list stays empty; a first-time user learns where the games go, without a box.
        view_.SetNotesText(kNoGamesHint);
        return;
    }

    state_.lngConfigCount = count;
    state_.strConfigFiles.resize(static_cast<std::size_t>(count) + 1);
    state_.strGameTitles.resize(static_cast<std::size_t>(count) + 1);

    // The entries go to the game list in one batch, also when an error ends the fill early.
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(count));
    try {
        for (std::int32_t i = 1; i <= count; ++i) {
            const auto index = static_cast<std::size_t>(i);
            state_.strConfigFiles[index] = std::move(names[index - 1]);
            std::string& title = state_.strGameTitles[index];
            title =
                ReadListFillEntry(services_.files, paths_.config_folder, state_.strConfigFiles[index]).text;
            if (!title.empty()) {
                entries.push_back(title);
                state_.lngListFiles.push_back(i);
            }
        }
    } catch (...) {
        const RuntimeError error = TrappedError();
        view_.AddListEntries(entries);
        ShowListFillError(services_.boxes, error);
        return;
    }
    view_.AddListEntries(entries);
}

void frmVexarLaunch::txtLauncher_GotFocus() {}

void frmVexarLaunch::ControlFocused(LauncherControl control) {
    if (focused_ == control) return;
    const std::optional<LauncherControl> previous = std::exchange(focused_, control);
    if (previous == LauncherControl::kGameList) txtLauncher_LostFocus();
    if (previous == LauncherControl::kCommand) txtCommand_LostFocus();
    if (control == LauncherControl::kGameList) txtLauncher_GotFocus();
}

void frmVexarLaunch::ListEntryChosen(int position) {
    chosen_ = position;
    txtLauncher_Click();
}

void frmVexarLaunch::ListTextEdited() {
    chosen_.reset();
}

int frmVexarLaunch::ChosenPosition(std::string_view text) const {
    if (!chosen_ || *chosen_ < 0 || static_cast<std::size_t>(*chosen_) >= state_.lngListFiles.size())
        return -1;
    const auto file = static_cast<std::size_t>(state_.lngListFiles.at(static_cast<std::size_t>(*chosen_)));
    // The choice counts only while the list still shows the chosen entry.
    return state_.strGameTitles[file] == text ? *chosen_ : -1;
}

}  // namespace vexar
