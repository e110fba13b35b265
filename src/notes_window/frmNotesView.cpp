#include "notes_window/frmNotesView.h"

#include "platform/messages.h"

namespace vexar {

frmNotesView::frmNotesView(NotesView& view, platform::MessageBoxes& boxes) : view_(view), boxes_(boxes) {}

void frmNotesView::Open(std::string_view notes) {
    try {
        view_.Load();
        view_.ShowOwned();
        view_.SetText(notes);
    } catch (...) {
        ShowError(boxes_, TrappedError(), "");
    }
}

void frmNotesView::Command1_Click() {
    try {
        view_.Unload();
    } catch (...) {
        ShowError(boxes_, TrappedError(), "");
    }
}

}  // namespace vexar
