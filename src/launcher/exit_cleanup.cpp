// Closing the main window: its unload handler, the CD-mode clean-up of the data folders, then the window
// goes.
#include "file_utils/mdlGlobalFunctions.h"
#include "launcher/frmVexarLaunch.h"
#include "launcher/launcher_rules.h"
#include "platform/messages.h"

namespace vexar {

namespace {

constexpr std::string_view kRemoveQuestion =
    "Configuration files were placed on your local hard drive during runtime.  "
    "Would you like to delete these files now?";

}  // namespace

void frmVexarLaunch::Form_Unload() {
    try {
        if (!state_.blnIsCD) return;
        bool any_present = false;
        for (const std::string& folder : paths_.data_folders) {
            any_present =
                PlainFilePresent(services_.files, folder, platform::ListMask::kDirectories) || any_present;
        }
        if (!any_present) return;
        if (MsgBox(services_.boxes, kRemoveQuestion, platform::Icon::kQuestion, platform::Buttons::kYesNo,
                   "Remove Files?") != platform::Answer::kYes) {
            return;
        }
        for (const std::string& folder : paths_.data_folders) {
            if (PlainFilePresent(services_.files, folder, platform::ListMask::kDirectories)) {
                RemoveDataFolder(services_.files, services_.boxes, folder);
            }
        }
    } catch (...) {
        ShowError(services_.boxes, TrappedError(), " in Form_Unload");
    }
}

void frmVexarLaunch::Unload() {
    if (unloading_) return;
    unloading_ = true;
    Form_Unload();
    try {
        view_.Destroy();
    } catch (...) {
        unloading_ = false;  // the window stays, and works on
        throw;
    }
}

}  // namespace vexar
