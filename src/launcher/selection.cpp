// Choosing a game: the full read of its configuration file and its notes.
#include "launcher/frmVexarLaunch.h"
#include "launcher/launcher_rules.h"
#include "platform/messages.h"

namespace vexar {

void frmVexarLaunch::txtLauncher_Click() {
    SelectGame();
}

void frmVexarLaunch::txtLauncher_LostFocus() {
    try {
        SelectGame();
    } catch (...) {
        ShowError(services_.boxes, TrappedError(), " in txtLauncher_LostFocus");
    }
}

void frmVexarLaunch::SelectGame() {
    std::string name;
    try {
        const std::string text = view_.ListText();
        if (text.empty()) {
            view_.SetNotesText("");
            return;
        }
        // Each list position maps to the file it was listed from; a text that is no chosen entry maps to
        // none.
        const int position = ChosenPosition();
        if (position < 0) Raise(kErrSubscript);
        const std::int32_t intSelected = state_.lngListFiles[static_cast<std::size_t>(position)];
        name = state_.strConfigFiles[static_cast<std::size_t>(intSelected)];
        if (StartsWithInvalidPrefix(text)) {
            state_.game.strNotes.clear();
            view_.SetNotesText(InvalidConfigurationText(name));
            return;
        }
        FullRead(services_.files, services_.codec, paths_.config_folder, name, state_.game);
        view_.SetNotesText(state_.game.strNotes);
    } catch (...) {
        const RuntimeError error = TrappedError();
        if (error.number() == kErrSubscript) {
            view_.SetListText("");
            view_.SetNotesText("Please choose only items from the list.");
        } else {
            ShowSelectionError(services_.boxes, error, name);
        }
    }
}

}  // namespace vexar
