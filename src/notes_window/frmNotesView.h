#pragma once
// frmNotesView: opens, refreshes and closes the enlarged notes window; the window itself is the view's.

#include <string_view>

#include "notes_window/notes_view.h"
#include "platform/platform.h"

namespace vexar {

class frmNotesView {
public:
    frmNotesView(NotesView& view, platform::MessageBoxes& boxes);

    // Loads the window if needed, shows it owned by the main window and sets its text to `notes`.
    void Open(std::string_view notes);
    // The close button: unloads the window.
    void Command1_Click();

private:
    NotesView& view_;
    platform::MessageBoxes& boxes_;
};

}  // namespace vexar
