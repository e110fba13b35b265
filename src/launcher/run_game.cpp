#include "launcher/run_game.h"

#include "launcher/game_config.h"
#include "launcher/game_list.h"
#include "launcher/launch_plan.h"
#include "launcher/launcher_rules.h"
#include "platform/messages.h"
#include "platform/utf.h"

namespace vexar {

namespace {

constexpr std::string_view kUsage =
    "Usage: VexarLauncher [/run NAME [OPTIONS]]\r\n\r\n"
    "Without arguments the launcher opens its window.\r\n\r\n"
    "/run NAME [OPTIONS]\r\n"
    "Starts the game of the file NAME in the folder Configs (\".cfg\" may be left off) as the launch button "
    "would, with OPTIONS as if typed into the command box: everything after NAME and one blank, exactly as "
    "written. A NAME with blanks is written in quotes. Exit status 0 once the game is started, 1 when it "
    "is not (a box says why).\r\n\r\n"
    "/?\r\nShows this text.";

// The file name NAME stands for: NAME itself when it ends in ".cfg" (in any case), otherwise NAME.cfg.
std::string ConfigFileName(std::string_view name) {
    std::string file(name);
    if (!utf::AsciiLower(file).ends_with(".cfg")) file += ".cfg";
    return file;
}

void ShowFailure(platform::MessageBoxes& boxes, std::string_view text) {
    MsgBox(boxes, text, platform::Icon::kCritical, platform::Buttons::kOk, kErrorTitle);
}

// Hands `request` to the shell; returns false, after a box with the shell's reason, when it refuses it.
bool Open(platform::Services services, const platform::ShellRequest& request) {
    const std::optional<std::string> refusal = services.shell.Open(request);
    if (!refusal) return true;
    ShowFailure(services.boxes, "Windows could not open \"" + request.file + "\" in the folder \"" +
                                    request.directory + "\": " + *refusal);
    return false;
}

int RunGame(std::string_view name, std::string_view options, platform::Services services,
            const LauncherPaths& paths, std::string_view shown_folder) {
    // Found as the game list finds its files: a plain file whose name ends in ".cfg".
    const std::string wanted = ConfigFileName(name);
    GameListFile file{};
    if (wanted.find_first_of("*?\\/") == std::string::npos) {
        file.name = services.files.ListFirst(paths.config_folder + wanted, platform::ListMask::kNormal);
    }
    if (!file.name.ends_with(".cfg")) {
        ShowFailure(services.boxes, "There is no game file \"" + wanted + "\" in the folder " +
                                        std::string(shown_folder) + ".");
        return kRunFailed;
    }

    ReadListEntry(services.files, services.codec, paths.config_folder, file);
    if (file.stop) {
        ShowListFillError(services.boxes, *file.stop);
        return kRunFailed;
    }
    if (file.entry.text.empty()) {
        ShowFailure(services.boxes,
                    "The game list does not show " + file.name + ": its title (line 2) is empty.");
        return kRunFailed;
    }
    if (StartsWithInvalidPrefix(file.entry.text)) {
        ShowFailure(services.boxes, InvalidConfigurationText(file.name));
        return kRunFailed;
    }
    GameConfig game;
    try {
        FullRead(services.files, services.codec, paths.config_folder, file.name, game);
    } catch (...) {
        ShowSelectionError(services.boxes, TrappedError(), file.name);
        return kRunFailed;
    }

    const LaunchPlan plan = PlanLaunch(
        game, options, CdModeSelected(services.files, paths) ? LaunchMode::kCd : LaunchMode::kHardDrive);
    const bool prepared = !plan.preparation || Open(services, *plan.preparation);
    if (const auto* preview = std::get_if<Preview>(&plan.action)) {
        MsgBox(services.boxes, preview->text, platform::Icon::kInformation);
        return prepared ? kRunDone : kRunFailed;
    }
    const bool started = Open(services, std::get<platform::ShellRequest>(plan.action));
    return prepared && started ? kRunDone : kRunFailed;
}

}  // namespace

int RunCommandLine(const CommandLine& command, platform::Services services, const LauncherPaths& paths,
                   std::string_view shown_folder) {
    try {
        switch (command.request) {
            case CommandLine::Request::kRun:
                return RunGame(command.name, command.options, services, paths, shown_folder);
            case CommandLine::Request::kUsage:
                MsgBox(services.boxes, kUsage, platform::Icon::kInformation);
                return kRunDone;
            case CommandLine::Request::kBadUsage:
            case CommandLine::Request::kWindow:
                break;
        }
        MsgBox(services.boxes, kUsage, platform::Icon::kWarning);
        return kRunBadUsage;
    } catch (...) {
        ShowError(services.boxes, TrappedError(), "");
        return kRunFailed;
    }
}

}  // namespace vexar
