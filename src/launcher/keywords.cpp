// The command box's keywords and the saved title.
#include "launcher/frmVexarLaunch.h"
#include "launcher/launcher_rules.h"
#include "launcher/title_file.h"
#include "platform/messages.h"

namespace vexar {

namespace {

constexpr std::string_view kCopyright = "Copyright";
constexpr std::string_view kSetTitle = "SetTitle ";
// The credits after the program's name.
constexpr std::string_view kCredits =
    "\r\nA small launcher for game collections on hard drive and CD.\r\n"
    "Copyright (c) the Vexar Launcher developers.\r\n"
    "Free to use and to share with your game collections.";

}  // namespace

void frmVexarLaunch::txtCommand_LostFocus() {
    try {
        const std::string text = view_.CommandText();
        if (text == kCopyright) {
            MsgBox(services_.boxes, std::string(kDesignedCaption) + std::string(kCredits),
                   platform::Icon::kInformation, platform::Buttons::kOk, "Copyright");
            return;
        }
        if (text.substr(0, kSetTitle.size()) != kSetTitle) return;
        const std::string title = text.substr(kSetTitle.size());
        SaveTitle(services_.files, paths_.title_file, title);
        MsgBox(services_.boxes, "Title set to " + title, platform::Icon::kInformation, platform::Buttons::kOk,
               "Title Set");
        view_.SetCaption(title);
        view_.SetCommandText("");
    } catch (...) {
        ShowError(services_.boxes, TrappedError(), " in txtCommand_LostFocus", platform::Icon::kWarning);
    }
}

void frmVexarLaunch::SetTitle() {
    try {
        const std::string title = LoadSavedTitle(services_.files, paths_.title_file);
        if (!title.empty()) view_.SetCaption(title);
    } catch (...) {
        ShowSavedTitleError(services_.boxes, TrappedError());
    }
}

}  // namespace vexar
