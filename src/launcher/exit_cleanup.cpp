// The main window's unload handler: the CD-mode clean-up of the data folders at exit.
#include "file_utils/mdlGlobalFunctions.h"
#include "launcher/frmVexarLaunch.h"
#include "platform/messages.h"

namespace vexar {

namespace {

constexpr std::string_view kRemoveQuestion =
    "Configuration files were placed on your local hard drive during runtime.  "
    "Would you like to delete these files now?";

}  // namespace

void frmVexarLaunch::Form_Unload(bool& /*cancel*/) {
    try {
        if (!state_.blnIsCD) return;
        bool any_present = false;
        for (const std::string& folder : paths_.data_folders) {
            any_present = Present(folder, platform::ListMask::kDirectories) || any_present;
        }
        if (!any_present) return;
        if (MsgBox(services_.boxes, kRemoveQuestion, platform::Icon::kQuestion, platform::Buttons::kYesNo,
                   "Remove Files?") != platform::Answer::kYes) {
            return;
        }
        for (const std::string& folder : paths_.data_folders) {
            if (Present(folder, platform::ListMask::kDirectories)) RemoveDataFolder(services_, folder);
        }
    } catch (...) {
        ShowError(services_.boxes, TrappedError(), " in Form_Unload");
    }
}

}  // namespace vexar
