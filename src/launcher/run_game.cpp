#include "launcher/run_game.h"

#include "file_utils/mdlGlobalFunctions.h"
#include "launcher/game_config.h"
#include "launcher/game_list.h"
#include "launcher/launch_plan.h"
#include "launcher/launcher_rules.h"
#include "platform/messages.h"
#include "platform/utf.h"

namespace vexar {

namespace {

// The file name NAME stands for: NAME itself when it ends in ".cfg" (in any case), otherwise NAME.cfg.
std::string ConfigFileName(std::string_view name) {
    std::string file(name);
    if (!utf::AsciiLower(file).ends_with(".cfg")) file += ".cfg";
    return file;
}

std::string Usage() {
    return "Usage: VexarLauncher [/run NAME [OPTIONS]]\r\n\r\n"
           "Without arguments the launcher opens its window.\r\n\r\n"
           "/run NAME [OPTIONS]\r\n"
           "Starts the game of the file NAME in the folder Configs (\".cfg\" may be left off) as the launch "
           "button would, with OPTIONS as if typed into the command box: everything after NAME and one "
           "blank, "
           "exactly as written. A NAME with blanks is written in quotes. " +
           ExitStatusText() + "\r\n\r\n/?\r\nShows this text.";
}

void ShowFailure(platform::MessageBoxes& boxes, std::string_view text) {
    MsgBox(boxes, text, platform::Icon::kCritical, platform::Buttons::kOk, kErrorTitle);
}

int RunGame(std::string_view name, std::string_view options, platform::Services services,
            const LauncherPaths& paths, std::string_view shown_folder) {
    // Found as the game list finds its files: a plain file whose name, as the disk spells it, ends in ".cfg".
    const std::string wanted = ConfigFileName(name);
    GameListFile file{};
    // A NAME with a wildcard, a separator or a colon names no single game file.
    if (IsFileName(wanted)) {
        file.name = services.files.ListFirst(paths.config_folder + wanted, platform::ListMask::kNormal);
    }
    if (!HasConfigExtension(file.name)) {
        ShowFailure(services.boxes, "There is no game file \"" + wanted + "\" in the folder " +
                                        std::string(shown_folder) + ".");
        return kRunFailed;
    }

    // The game's lines 3 to 9 are read on from the list read, in one opening of the file, as the checker
    // reads them.
    const std::unique_ptr<platform::TextFile> rest =
        ReadListEntry(services.files, services.codec, paths.config_folder, file);
    if (file.stop) {
        ShowListFillError(services.boxes, *file.stop);
        return kRunFailed;
    }
    if (!file.Listable()) {
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
        ParseGameValues(*rest, game);
    } catch (...) {
        ShowSelectionError(services.boxes, TrappedError(), file.name);
        return kRunFailed;
    }

    const LaunchPlan plan = PlanLaunch(
        game, options, CdModeSelected(services.files, paths) ? LaunchMode::kCd : LaunchMode::kHardDrive);
    const bool taken =
        OpenPlan(services.shell, plan, [&](const platform::ShellRequest& request, const std::string& reason) {
            ShowFailure(services.boxes, ShellRefusalText(request, reason));
        });
    if (const auto* preview = std::get_if<Preview>(&plan.action)) {
        MsgBox(services.boxes, preview->text, platform::Icon::kInformation);
    }
    return taken ? kRunDone : kRunFailed;
}

}  // namespace

std::string ExitStatusText() {
    // Appended piece by piece: "literal" + std::to_string(...) trips a false -Wrestrict of GCC 12 (x86).
    std::string text = "Exit status ";
    text += std::to_string(kRunDone) + " once the game is started, ";
    text += std::to_string(kRunFailed) + " when it is not (a box says why), ";
    text += std::to_string(kRunBadUsage) + " for a wrong switch.";
    return text;
}

int RunCommandLine(const CommandLine& command, platform::Services services, const LauncherPaths& paths,
                   std::string_view shown_folder) {
    try {
        switch (command.request) {
            case CommandLine::Request::kRun:
                return RunGame(command.name, command.options, services, paths, shown_folder);
            case CommandLine::Request::kUsage:
                MsgBox(services.boxes, Usage(), platform::Icon::kInformation);
                return kRunDone;
            case CommandLine::Request::kBadUsage:
            case CommandLine::Request::kWindow:
                break;
        }
        MsgBox(services.boxes, Usage(), platform::Icon::kWarning);
        return kRunBadUsage;
    } catch (...) {
        ShowError(services.boxes, TrappedError(), "");
        return kRunFailed;
    }
}

}  // namespace vexar
