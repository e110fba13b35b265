// The command box's keywords and the saved title.
#include "launcher/frmVexarLaunch.h"
#include "launcher/launcher_rules.h"
#include "launcher/title_file.h"
#include "platform/messages.h"
#include "platform/utf.h"

namespace vexar {

namespace {

constexpr std::string_view kCopyright = "Copyright";
constexpr std::string_view kSetTitle = "SetTitle ";
// The credits after the program's name.
constexpr std::string_view kCredits =
    "\r\nA small launcher for game collections on hard drive and CD.\r\n"
    "Copyright (c) the Vexar Launcher developers.\r\n"
    "Free to use and to share with your game collections.";

constexpr std::string_view kCodePageLacks =
    "The title cannot be saved: Title.cfg is written in this computer's ANSI code page, which lacks these "
    "characters: ";

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
        const platform::AnsiText saved = services_.codec.FromUtf8(title);
        if (!saved.lacking.empty()) {
            // Saved anyway, the title would come back mangled at the next start.
            MsgBox(services_.boxes, std::string(kCodePageLacks) + utf::Spaced(saved.lacking),
                   platform::Icon::kWarning, platform::Buttons::kOk, "Title Not Set");
            return;
        }
        SaveTitle(services_.files, paths_.title_file, saved.bytes);
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
        const std::string title = LoadSavedTitle(services_.files, services_.codec, paths_.title_file);
        if (!title.empty()) view_.SetCaption(title);
    } catch (...) {
        ShowSavedTitleError(services_.boxes, TrappedError());
    }
}

}  // namespace vexar
