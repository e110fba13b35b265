// The manual, minimise and close buttons, and the notes box's double-click.
#include "launcher/frmVexarLaunch.h"
#include "launcher/launcher_rules.h"
#include "notes_window/frmNotesView.h"
#include "platform/messages.h"

namespace vexar {

namespace {

constexpr std::string_view kManualMissing =
    "Manual is not installed.  The file 'index.html' is missing from the 'VLManual' subdirectory\r\n\r\n"
    "The VLManual subdirectory should be located under this launcher with the file index.html.";

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
        if (ManualInstalled(services_.files, paths_)) {
            services_.shell.Open({.file = paths_.manual});
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
        Unload();
    } catch (...) {
        ShowError(services_.boxes, TrappedError(), "");
    }
}

}  // namespace vexar
