#include "launcher/launcher_rules.h"

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

}  // namespace

std::string InvalidConfigurationText(std::string_view name) {
    std::string text = "Invalid Configuration in (";
    text += name;
    text +=
        ").  Please check the configuration file and make sure it is a valid launcher configuration.  If it "
        "is, repair it. ";
    text += "If it is not, please remove it from the 'Configs' directory if it does not belong there.";
    return text;
}

bool PlainFilePresent(platform::FileSystem& files, std::string_view path, platform::ListMask mask) {
    return !files.ListFirst(path, mask).empty();
}

bool CdModeSelected(platform::FileSystem& files, const LauncherPaths& paths) {
    return PlainFilePresent(files, paths.cd_marker, platform::ListMask::kNormal);
}

bool ManualInstalled(platform::FileSystem& files, const LauncherPaths& paths) {
    return PlainFilePresent(files, paths.manual, platform::ListMask::kNormal);
}

void ShowListFillError(platform::MessageBoxes& boxes, const RuntimeError& error) {
    ShowError(boxes, error, " in Private Sub PopulateList");
}

void ShowSavedTitleError(platform::MessageBoxes& boxes, const RuntimeError& error) {
    ShowError(boxes, error, " in Private Sub SetTitle");
}

void ShowSelectionError(platform::MessageBoxes& boxes, const RuntimeError& error, std::string_view name) {
    switch (error.number()) {
        case kErrPastEndOfFile:
            MsgBox(boxes,
                   BadLineText(error.number(),
                               "You need at least the 9 line labels in the configuration file or you'll get "
                               "this error.",
                               name),
                   platform::Icon::kCritical, platform::Buttons::kOk, kErrorTitle);
            break;
        case kErrInvalidCall:
            MsgBox(boxes,
                   BadLineText(error.number(),
                               "You at least need the 15 space label or the program will error.", name),
                   platform::Icon::kCritical, platform::Buttons::kOk, kErrorTitle);
            break;
        default:
            ShowError(boxes, error, " in txtLauncher_Click");
            break;
    }
}

}  // namespace vexar
