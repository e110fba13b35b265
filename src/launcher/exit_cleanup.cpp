// The manual, minimise and close buttons, the notes window, and the CD-mode clean-up at exit.
#include "file_utils/mdlGlobalFunctions.h"
#include "launcher/frmVexarLaunch.h"
#include "launcher/show_error.h"
#include "notes_window/frmNotesView.h"

namespace vexar {

namespace {

constexpr std::string_view kManualPage = "VLManual\\index.html";
constexpr std::string_view kManualMissing =
    "Manual is not installed.  The file 'index.html' is missing from the 'VLManual' subdirectory\r\n\r\n"
    "The VLManual subdirectory should be located under this launcher with the file index.html.";
// The folders a CD game may fill on the local drive, in the order they are offered for removal.
constexpr std::string_view kDataFolders[] = {"C:\\vexardat", "C:\\gvexardat"};
constexpr std::string_view kRemoveQuestion =
    "Configuration files were placed on your local hard drive during runtime.  "
    "Would you like to delete these files now?";

}  // namespace

void frmVexarLaunch::txtShowNotes_DblClick() {
    try {
        if (notes_) notes_->Open(view_.NotesText());
    } catch (...) {
        ShowError(services_.boxes, TrappedError(), "");
    }
}

void frmVexarLaunch::cmdHelp_Click() {
    try {
        if (Present(kManualPage, platform::ListMask::kNormal)) {
            services_.shell.Open({0, "open", std::string(kManualPage), std::string(), std::string(),
                                  platform::ShowCommand::kNormal});
        } else {
            view_.SetNotesText(kManualMissing);
        }
    } catch (...) {
        ShowError(services_.boxes, TrappedError(), "");
    }
}

void frmVexarLaunch::cmdMinimize_Click() {
    try {
        view_.Minimize();
    } catch (...) {
        ShowError(services_.boxes, TrappedError(), "");
    }
}

void frmVexarLaunch::Command1_Click() {
    try {
        view_.Unload();
    } catch (...) {
        ShowError(services_.boxes, TrappedError(), "");
    }
}

void frmVexarLaunch::Form_Unload(bool& /*cancel*/) {
    try {
        if (!state_.blnIsCD) return;
        bool any_present = false;
        for (std::string_view folder : kDataFolders) {
            any_present = Present(folder, platform::ListMask::kDirectories) || any_present;
        }
        if (!any_present) return;
        if (MsgBox(services_.boxes, kRemoveQuestion, platform::Icon::kQuestion, platform::Buttons::kYesNo,
                   "Remove Files?") != platform::Answer::kYes) {
            return;
        }
        for (std::string_view folder : kDataFolders) {
            if (Present(folder, platform::ListMask::kDirectories)) RemoveDataFolder(services_, folder);
        }
    } catch (...) {
        ShowError(services_.boxes, TrappedError(), " in Form_Unload");
    }
}

}  // namespace vexar
