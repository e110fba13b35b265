#include "launcher/launcher_rules.h"

#include <algorithm>
#include <array>

#include "platform/messages.h"
#include "platform/utf.h"

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

bool IsFileName(std::string_view name) {
    return name.find_first_of("*?<>\"\\/:|") == std::string_view::npos &&
           std::none_of(name.begin(), name.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

bool IsDeviceName(std::string_view name) {
    // Windows takes the part before the first dot, without the blanks at its end, as the device's name.
    std::string stem = utf::AsciiLower(name.substr(0, name.find('.')));
    stem.erase(stem.find_last_not_of(' ') + 1);
    static constexpr std::array<std::string_view, 4> kDevices = {"con", "prn", "aux", "nul"};
    if (std::find(kDevices.begin(), kDevices.end(), stem) != kDevices.end()) return true;
    return stem.size() == 4 && (stem.starts_with("com") || stem.starts_with("lpt")) && stem[3] >= '1' &&
           stem[3] <= '9';
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
