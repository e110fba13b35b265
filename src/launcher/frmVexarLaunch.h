#pragma once
// frmVexarLaunch: the main window's state and event handlers - start-up, selection, launch, keywords,
// manual, minimise, close and exit clean-up. Controls, drawing and message dispatch are the view's.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "launcher/game_config.h"
#include "launcher/launcher_view.h"
#include "platform/platform.h"

namespace vexar {

class frmNotesView;

// The main window's variables, shared by its handlers.
struct LauncherState {
    // Configuration file names in sorted order at indices 1..n; index 0 is an empty placeholder.
    std::vector<std::string> strConfigFiles{std::string()};
    // The list text of each file, parallel to strConfigFiles.
    std::vector<std::string> strGameTitles{std::string()};
    // For each game-list position, the index in strConfigFiles of the file it was listed from.
    std::vector<std::int32_t> lngListFiles;
    std::int32_t lngConfigCount = 0;
    // 1-based index into strConfigFiles of the selected game. 32 bits wide, so that collections of more
    // than 32,767 games select the right file.
    std::int32_t intSelected = 0;
    // The current game.
    GameConfig game;
    // CD mode: IsCD.txt existed when the window loaded.
    bool blnIsCD = false;
    // The parameter string assembled by the last launch.
    std::string strCommandLine;
};

class frmVexarLaunch {
public:
    // `notes` may be null where no notes window exists (its double-click then does nothing).
    frmVexarLaunch(platform::Services services, LauncherView& view, frmNotesView* notes = nullptr);

    // Window initialisation: fills the game list, then applies the saved title.
    void Form_Initialize();
    // Window load: decides CD mode.
    void Form_Load();
    // Window unload: the CD-mode clean-up. `cancel` is never set.
    void Form_Unload(bool& cancel);

    void txtLauncher_Click();
    void txtLauncher_GotFocus();
    void txtLauncher_LostFocus();
    void txtCommand_LostFocus();
    void txtShowNotes_DblClick();
    void cmdLaunchGame_Click();
    void cmdMinimize_Click();
    void Command1_Click();
    void cmdHelp_Click();

    const LauncherState& state() const { return state_; }

private:
    void PopulateList();
    void SetTitle();
    // The selection procedure shared by the game list's click and loss of focus.
    void SelectGame();
    // True when `pattern` names an existing entry that a listing with `mask` returns.
    bool Present(std::string_view pattern, platform::ListMask mask);

    platform::Services services_;
    LauncherView& view_;
    frmNotesView* notes_;
    LauncherState state_;
};

}  // namespace vexar
