#pragma once
// NotesWindow: the enlarged notes window over real Win32 controls - its frame, geometry, font and
// pictures, owned by the main window, and the close button and close box reaching frmNotesView.
// When it opens, closes and what it shows is frmNotesView's; texts cross as UTF-8.

#include <windows.h>

#include <string_view>

#include "notes_window/notes_view.h"
#include "platform/win32/handles.h"
#include "ui/win32/framed_window.h"
#include "ui/win32/pictures.h"

namespace vexar {
class frmNotesView;
}

namespace vexar::win32 {

enum class NotesControlId : int {
    kTxtShowNotes = 201,
    kCommand1,
    kImgFire1,
};

class NotesWindow final : public NotesView, public FramedWindow {
public:
    // Geometry at 96 dpi, in pixels of the client area.
    static constexpr int kClientWidth = 697;
    static constexpr int kClientHeight = 278;
    static constexpr wchar_t kClassName[] = L"VexarLauncherNotesWindow";

    // `owner` is the main window, which the notes window follows and whose dpi it takes when made.
    NotesWindow(HINSTANCE instance, HWND owner);

    // Routes the close button and the close box to `form` from now on.
    void Attach(frmNotesView& form) { form_ = &form; }

    // Returns the control `id` (null while the window is not loaded).
    HWND Control(NotesControlId id) const { return FramedWindow::Control(static_cast<int>(id)); }

    // Creates the window and its controls, hidden, at the system's default position; raises a run-time
    // error when the window, a control, the font or a picture cannot be made.
    void Load() override;
    // Shows the window in front of its owner; the notes box gets the focus when the window is new.
    void ShowOwned() override;
    void SetText(std::string_view text) override;
    void Unload() override;

private:
    static LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                      DWORD_PTR self);
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;
    // Makes the font for the dpi.
    void OnScaled() override;
    // Stops following the owner.
    void OnDestroyed() override;

    HWND owner_;
    frmNotesView* form_ = nullptr;

    // The window has not been shown since it was created.
    bool fresh_ = false;
    // The window was hidden because its owner was minimised, and shows again when the owner is restored.
    bool hidden_with_owner_ = false;
    // The owner's size changes are watched while the window exists.
    UniqueSubclass owner_watch_;

    UniqueFont notes_font_;
    Picture close_glyph_;
    Picture fire_column_;
};

}  // namespace vexar::win32
