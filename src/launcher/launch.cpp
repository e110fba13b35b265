// Launching the selected game, or previewing the command it would run.
#include "launcher/frmVexarLaunch.h"
#include "launcher/launch_plan.h"
#include "platform/messages.h"

namespace vexar {

void frmVexarLaunch::cmdLaunchGame_Click() {
    try {
        const std::string list_text = view_.ListText();
        if (list_text.empty() || StartsWithInvalidPrefix(list_text)) return;

        const LaunchPlan plan = PlanLaunch(state_.game, view_.CommandText(),
                                           state_.blnIsCD ? LaunchMode::kCd : LaunchMode::kHardDrive);
        // The window says nothing of what the shell refuses.
        if (std::holds_alternative<platform::ShellRequest>(plan.action)) ++games_started_;
        OpenPlan(services_.shell, plan);
        if (const auto* preview = std::get_if<Preview>(&plan.action)) view_.SetNotesText(preview->text);
    } catch (...) {
        ShowError(services_.boxes, TrappedError(), "");
    }
}

}  // namespace vexar
