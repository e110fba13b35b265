// The notes window: creation of the frame and controls, drawing, and the close button's wiring.
#include "notes_window/win32/notes_window.h"

#include "ui/win32/late_calls.h"

#include <commctrl.h>

#include "notes_window/frmNotesView.h"
#include "platform/errors.h"
#include "resource_ids.h"

namespace vexar::win32 {

namespace {

constexpr wchar_t kCaption[] = L"Selection Notes";
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

constexpr int Id(NotesControlId id) {
    return static_cast<int>(id);
}

// Creation order is the tab order.
const ControlLayout kControls[] = {
    {Id(NotesControlId::kTxtShowNotes), WC_EDITW, L"", L"Selection notes",
     kChild | WS_TABSTOP | WS_GROUP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
     WS_EX_CLIENTEDGE, 4, 4, 630, 269},
    {Id(NotesControlId::kCommand1), WC_BUTTONW, L"Close", nullptr, kChild | WS_TABSTOP | BS_OWNERDRAW, 0, 640,
     248, 51, 26},
    {Id(NotesControlId::kImgFire1), WC_STATICW, L"", nullptr, kChild | SS_OWNERDRAW, 0, 640, 28, 47, 216},
};

}  // namespace

NotesWindow::NotesWindow(HINSTANCE instance, HWND owner) : FramedWindow(instance), owner_(owner) {}

void NotesWindow::Load() {
    if (hwnd()) return;
    if (!close_glyph_.bitmap) close_glyph_ = LoadJpegPicture(instance(), VEXAR_IDR_CLOSE_GLYPH);
    if (!fire_column_.bitmap) fire_column_ = LoadBitmapPicture(instance(), VEXAR_IDB_FIRE_COLUMN);

    // Made at its owner's dpi: the monitor where the launcher is.
    CreateFrame(kClassName, kCaption, kClientWidth, kClientHeight, owner_, Placement::kSystemDefault,
                WindowDpi(owner_));
    fresh_ = true;
    try {
        CreateControls(kControls);
        OnScaled();
        // Windows hides owned windows with a minimised owner by itself; Wine without a window manager
        // does not, so the owner's size changes are watched as well.
        if (owner_ != nullptr)
            owner_watch_.reset(owner_, &NotesWindow::OwnerProc, reinterpret_cast<DWORD_PTR>(this));
    } catch (...) {
        DestroyNow();
        throw;
    }
}

void NotesWindow::ShowOwned() {
    if (!hwnd()) Raise(kErrInvalidCall);
    ::ShowWindow(hwnd(), SW_SHOW);
    ::SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(hwnd());
    if (fresh_) {
        ::SetFocus(Control(NotesControlId::kTxtShowNotes));
        fresh_ = false;
    }
}

void NotesWindow::SetText(std::string_view text) {
    if (!hwnd()) Raise(kErrInvalidCall);
    SetTextOf(Control(NotesControlId::kTxtShowNotes), text);
}

void NotesWindow::Unload() {
    DestroyNow();
}

void NotesWindow::OnScaled() {
    notes_font_ = MakeFont(1200, FW_BOLD);
    SetControlFont(Id(NotesControlId::kTxtShowNotes), notes_font_);
}

void NotesWindow::OnDestroyed() {
    owner_watch_.reset();
    hidden_with_owner_ = false;
    fresh_ = false;
}

LRESULT CALLBACK NotesWindow::OwnerProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                        DWORD_PTR self_data) {
    auto* self = reinterpret_cast<NotesWindow*>(self_data);
    if (message == WM_SIZE && self->hwnd()) {
        HWND notes = self->hwnd();
        if (wparam == SIZE_MINIMIZED && ::IsWindowVisible(notes)) {
            ::ShowWindow(notes, SW_HIDE);
            self->hidden_with_owner_ = true;
        } else if (wparam != SIZE_MINIMIZED && self->hidden_with_owner_) {
            self->hidden_with_owner_ = false;
            ::ShowWindow(notes, SW_SHOWNOACTIVATE);
        }
    }
    return late::DefSubclassProc(hwnd, message, wparam, lparam);
}

LRESULT NotesWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND: {
            const bool clicked = LOWORD(wparam) == Id(NotesControlId::kCommand1) &&
                                 (HIWORD(wparam) == BN_CLICKED || HIWORD(wparam) == BN_DOUBLECLICKED);
            // Enter on the focused close button presses it, as on any push button.
            const bool entered = LOWORD(wparam) == IDOK && ::GetFocus() == Control(NotesControlId::kCommand1);
            if ((clicked || entered) && form_ != nullptr) form_->Command1_Click();
            return 0;
        }
        case WM_CLOSE:
            // The title bar's close box acts as the close button.
            if (form_ != nullptr) form_->Command1_Click();
            return 0;
        default:
            break;
    }
    return ::DefWindowProcW(hwnd(), message, wparam, lparam);
}

void NotesWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlID == static_cast<UINT>(Id(NotesControlId::kImgFire1))) {
        DrawStretched(item, fire_column_);
    } else {
        DrawPictureButton(item, close_glyph_);
    }
}

}  // namespace vexar::win32
