// Launching the selected game, or previewing the command it would run.
#include "launcher/frmVexarLaunch.h"
#include "launcher/launch_plan.h"
#include "platform/messages.h"

namespace vexar {

namespace {

constexpr std::string_view kShowParameters = "Show Parameters";

// Appends a blank and `piece` when the piece is not empty.
void AppendPiece(std::string& line, std::string_view piece) {
    if (piece.empty()) return;
    line += ' ';
    line += piece;
}

}  // namespace

LaunchPlan PlanLaunch(const GameConfig& game, std::string_view typed, LaunchMode mode) {
    const bool preview = typed == kShowParameters;
    LaunchPlan plan;
    plan.command_line = game.strDefaultParams;
    if (!preview) AppendPiece(plan.command_line, typed);
    if (mode == LaunchMode::kCd) {
        if (!game.strCDPrelaunch.empty()) {
            plan.preparation = platform::ShellRequest{.file = game.strCDPrelaunch,
                                                      .directory = game.strStartLocation,
                                                      .show = platform::ShowCommand::kMinimized};
        }
        AppendPiece(plan.command_line, game.strCDParams);
    } else {
        AppendPiece(plan.command_line, game.strHDParams);
    }
    if (preview) {
        plan.action = Preview{game.strLaunchFile + " " + plan.command_line +
                              "\r\n\r\nStart Location: " + game.strStartLocation};
    } else {
        plan.action = platform::ShellRequest{
            .file = game.strLaunchFile, .parameters = plan.command_line, .directory = game.strStartLocation};
    }
    return plan;
}

void frmVexarLaunch::cmdLaunchGame_Click() {
    try {
        const std::string list_text = view_.ListText();
        if (list_text.empty() || StartsWithInvalidPrefix(list_text)) return;

        const LaunchPlan plan = PlanLaunch(state_.game, view_.CommandText(),
                                           state_.blnIsCD ? LaunchMode::kCd : LaunchMode::kHardDrive);
        if (plan.preparation) services_.shell.Open(*plan.preparation);
        if (const auto* preview = std::get_if<Preview>(&plan.action)) {
            view_.SetNotesText(preview->text);
        } else {
            services_.shell.Open(std::get<platform::ShellRequest>(plan.action));
        }
    } catch (...) {
        ShowError(services_.boxes, TrappedError(), "");
    }
}

}  // namespace vexar
