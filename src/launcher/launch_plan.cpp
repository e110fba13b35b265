#include "launcher/launch_plan.h"

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

std::string ShellRefusalText(const platform::ShellRequest& request, std::string_view reason) {
    std::string text =
        "Windows could not open \"" + request.file + "\" in the folder \"" + request.directory + "\": ";
    text += reason;
    return text;
}

bool OpenPlan(platform::Shell& shell, const LaunchPlan& plan, const ShellRefused& refused) {
    bool taken = true;
    const auto open = [&](const platform::ShellRequest& request) {
        const std::optional<std::string> refusal = shell.Open(request);
        if (!refusal) return;
        taken = false;
        if (refused) refused(request, *refusal);
    };
    if (plan.preparation) open(*plan.preparation);
    if (const auto* request = std::get_if<platform::ShellRequest>(&plan.action)) open(*request);
    return taken;
}

}  // namespace vexar
