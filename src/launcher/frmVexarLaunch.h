#pragma once
// frmVexarLaunch: the main window's state and event handlers - start-up, selection, launch, keywords,
// manual, minimise, close and exit clean-up - and the rules that turn the window's raw events (a control
// focused, an entry chosen, the list text edited) into handler calls. Controls, drawing and message
// dispatch are the view's.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "launcher/game_config.h"
#include "launcher/launcher_paths.h"
#include "launcher/launcher_view.h"
#include "platform/platform.h"

namespace vexar {

class frmNotesView;

// The main window's variables, shared by its handlers. The number of files is strConfigFiles' size less
// one; the selected file and the assembled parameters are the selection's and the launch's own.
struct LauncherState {
    // Configuration file names in sorted order at indices 1..n; index 0 is unused. (Their list texts go
    // straight to the game list: nothing reads them again.)
    std::vector<std::string> strConfigFiles{std::string()};
    // For each game-list position, the index in strConfigFiles of the file it was listed from.
    std::vector<std::int32_t> lngListFiles;
    // The current game.
    GameConfig game;
    // CD mode: the CD marker existed when the window loaded.
    bool blnIsCD = false;
};

// The main window's controls that can hold the focus.
enum class LauncherControl { kGameList, kCommand, kNotes, kLaunchGame, kMinimize, kClose, kHelp };

class frmVexarLaunch {
public:
    // `notes` may be null where no notes window exists (its double-click then does nothing).
    frmVexarLaunch(platform::Services services, LauncherView& view, LauncherPaths paths,
                   frmNotesView* notes = nullptr);

    // Window initialisation: fills the game list, then applies the saved title.
    void Form_Initialize();
    // Window load: decides CD mode.
    void Form_Load();
    // Window unload: the CD-mode clean-up. The unload always goes ahead.
    void Form_Unload();
    // Closes the main window, by its close button or any close request: the unload handler runs (it may
    // ask the user), then the window is destroyed. A close while one is under way does nothing.
    void Unload();
    // True from the start of Unload on: no other handler may run while the window goes.
    bool Unloading() const { return unloading_; }
    // The number of games the launch button has asked the shell to open so far (previews not counted).
    std::uint32_t GamesStarted() const { return games_started_; }

    // The focus has entered `control`. Only a move from one control of the window to another counts:
    // it runs the lose-focus handler of the control that had the focus (the game list's get-focus event
    // has no effect). The focus coming back to the control that had it - after a message box or another
    // window - runs nothing, and so does any move while the window is being closed.
    void ControlFocused(LauncherControl control);
    // The user chose entry `position` (0-based) of the game list, which now shows it: runs the click.
    void ListEntryChosen(int position);
    // The user edited the game list's text: it is no chosen entry until one is chosen again.
    void ListTextEdited();

    void txtLauncher_Click();
    void txtLauncher_LostFocus();
    void txtCommand_LostFocus();
    void txtShowNotes_DblClick();
    void cmdLaunchGame_Click();
    void cmdMinimize_Click();
    void Command1_Click();
    void cmdHelp_Click();

private:
    void PopulateList();
    void SetTitle();
    // The selection procedure shared by the game list's click and loss of focus.
    void SelectGame();
    // Returns the game-list position last chosen, or -1 when the list's text is no chosen entry.
    int ChosenPosition() const;

    platform::Services services_;
    LauncherView& view_;
    const LauncherPaths paths_;
    frmNotesView* notes_;
    LauncherState state_;
    // The control of the window that last received the focus.
    std::optional<LauncherControl> focused_;
    // The game-list position last chosen, until the text is edited or set by the program. A choice holds
    // by its position: what the list shows of an entry need not be its title byte for byte.
    std::optional<int> chosen_;
    bool unloading_ = false;
    std::uint32_t games_started_ = 0;
};

}  // namespace vexar
