// Choosing a game: the full read of its configuration file and its notes.
#include "launcher/frmVexarLaunch.h"
#include "platform/messages.h"

namespace vexar {

namespace {

// The box for a configuration file with a missing (62) or short (5) line.
std::string BadLineText(int number, std::string_view advice, std::string_view name) {
    std::string text = "Invalid Procedure error " + std::to_string(number) +
                       ".  This may mean your config file is missing a line.  ";
    text += advice;
    text += "  Check the config file named  '";
    text += name;
    text += " '";
    return text;
}

std::string InvalidConfigurationText(std::string_view name) {
    std::string text = "Invalid Configuration in (";
    text += name;
    text +=
        ").  Please check the configuration file and make sure it is a valid launcher configuration.  If it "
        "is, repair it. ";
    text += "If it is not, please remove it from the 'Configs' directory if it does not belong there.";
    return text;
}

}  // namespace

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
        if (!text.empty()) {
            // Each list position maps to the file it was listed from; a text that is no chosen entry
            // maps to none.
            const int position = ChosenPosition(text);
            if (position < 0) Raise(kErrSubscript);
            state_.intSelected = state_.lngListFiles[static_cast<std::size_t>(position)];
            name = state_.strConfigFiles[static_cast<std::size_t>(state_.intSelected)];
            if (StartsWithInvalidPrefix(text)) {
                state_.game.strNotes.clear();
                view_.SetNotesText(InvalidConfigurationText(name));
                return;
            }
            FullRead(services_.files, paths_.config_folder, name, state_.game);
            view_.SetNotesText(state_.game.strNotes);
        }
        if (view_.ListText().empty()) view_.SetNotesText("");
    } catch (...) {
        const RuntimeError error = TrappedError();
        switch (error.number()) {
            case kErrPastEndOfFile:
                MsgBox(
                    services_.boxes,
                    BadLineText(error.number(),
                                "You need at least the 9 line labels in the configuration file or you'll get "
                                "this error.",
                                name),
                    platform::Icon::kCritical, platform::Buttons::kOk, kErrorTitle);
                break;
            case kErrInvalidCall:
                MsgBox(services_.boxes,
                       BadLineText(error.number(),
                                   "You at least need the 15 space label or the program will error.", name),
                       platform::Icon::kCritical, platform::Buttons::kOk, kErrorTitle);
                break;
            case kErrSubscript:
                chosen_.reset();
                view_.SetListText("");
                view_.SetNotesText("Please choose only items from the list.");
                break;
            default:
                ShowError(services_.boxes, error, " in txtLauncher_Click");
                break;
        }
    }
}

}  // namespace vexar
