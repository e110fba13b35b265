// Launching the selected game, or previewing the command it would run.
#include "launcher/frmVexarLaunch.h"
#include "launcher/show_error.h"

namespace vexar {

namespace {

constexpr std::string_view kShowParameters = "Show Parameters";
constexpr std::string_view kOpen = "open";

// Appends a blank and `piece` when the piece is not empty.
void AppendPiece(std::string& line, std::string_view piece) {
    if (piece.empty()) return;
    line += ' ';
    line += piece;
}

}  // namespace

void frmVexarLaunch::cmdLaunchGame_Click() {
    try {
        const std::string list_text = view_.ListText();
        if (list_text.empty() || StartsWithInvalidPrefix(list_text)) return;

        const std::string typed = view_.CommandText();
        const bool preview = typed == kShowParameters;
        const GameConfig& game = state_.game;

        state_.strCommandLine = game.strDefaultParams;
        if (!preview) AppendPiece(state_.strCommandLine, typed);
        if (state_.blnIsCD) {
            if (!game.strCDPrelaunch.empty()) {
                services_.shell.Open({0, std::string(kOpen), game.strCDPrelaunch, std::string(),
                                      game.strStartLocation, platform::ShowCommand::kMinimized});
            }
            AppendPiece(state_.strCommandLine, game.strCDParams);
        } else {
            AppendPiece(state_.strCommandLine, game.strHDParams);
        }

        if (preview) {
            view_.SetNotesText(game.strLaunchFile + " " + state_.strCommandLine +
                               "\r\n\r\nStart Location: " + game.strStartLocation);
            return;
        }
        services_.shell.Open({0, std::string(kOpen), game.strLaunchFile, state_.strCommandLine,
                              game.strStartLocation, platform::ShowCommand::kNormal});
    } catch (...) {
        ShowError(services_.boxes, TrappedError(), "");
    }
}

}  // namespace vexar
