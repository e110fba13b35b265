// The notes window: creation of the frame and controls, drawing, and the close button's wiring.
#include "notes_window/win32/notes_window.h"

#include <commctrl.h>

#include "notes_window/frmNotesView.h"
#include "platform/errors.h"
#include "platform/win32/error_map.h"
#include "resource_ids.h"

namespace vexar::win32 {

namespace {

// The fixed tool-window frame of the main window: small title bar with a close box, no sizing border.
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFrameExStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;
constexpr wchar_t kCaption[] = L"Selection Notes";
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

// One control as designed: geometry in pixels at 96 dpi. Creation order is the tab order.
struct ControlSpec {
    NotesControlId id;
    const wchar_t* window_class;
    DWORD style;
    DWORD ex_style;
    int left, top, width, height;
};

const ControlSpec kControls[] = {
    {NotesControlId::kTxtShowNotes, WC_EDITW,
     kChild | WS_TABSTOP | WS_GROUP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
     WS_EX_CLIENTEDGE, 4, 4, 630, 269},
    {NotesControlId::kCommand1, WC_BUTTONW, kChild | WS_TABSTOP | BS_OWNERDRAW, 0, 640, 248, 51, 26},
    {NotesControlId::kImgFire1, WC_STATICW, kChild | SS_OWNERDRAW, 0, 640, 28, 47, 216},
};

constexpr std::size_t Slot(NotesControlId id) {
    return static_cast<std::size_t>(static_cast<int>(id) - static_cast<int>(NotesControlId::kTxtShowNotes));
}

}  // namespace

NotesWindow::NotesWindow(HINSTANCE instance, HWND owner, const platform::TextCodec& codec, int dpi)
    : instance_(instance), owner_(owner), codec_(codec), dpi_(dpi > 0 ? dpi : 96) {}

NotesWindow::~NotesWindow() {
    form_ = nullptr;
    hwnd_.reset();
}

HWND NotesWindow::Control(NotesControlId id) const {
    return controls_[Slot(id)];
}

bool NotesWindow::TranslateDialogKey(MSG& message) {
    return hwnd_ && ::IsDialogMessageW(hwnd_.get(), &message);
}

void NotesWindow::Load() {
    if (hwnd_) return;
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = &NotesWindow::WindowProc;
    window_class.hInstance = instance_;
    window_class.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
    window_class.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    window_class.lpszClassName = kClassName;
    if (::RegisterClassExW(&window_class) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        RaiseLastError();
    }
    if (!notes_font_) {
        LOGFONTW font{};
        font.lfHeight = -::MulDiv(12, dpi_, 72);
        font.lfWeight = FW_BOLD;
        font.lfCharSet = DEFAULT_CHARSET;
        wcsncpy_s(font.lfFaceName, L"MS Sans Serif", _TRUNCATE);
        notes_font_.reset(::CreateFontIndirectW(&font));
        if (!notes_font_) RaiseLastError();
    }
    if (!close_glyph_.bitmap) close_glyph_ = LoadJpegPicture(instance_, VEXAR_IDR_CLOSE_GLYPH);
    if (!fire_column_.bitmap) fire_column_ = LoadBitmapPicture(instance_, VEXAR_IDB_FIRE_COLUMN);

    // The frame around a client area of the designed size, where the system places a new window.
    RECT frame{0, 0, Scale(kClientWidth), Scale(kClientHeight)};
    if (!::AdjustWindowRectEx(&frame, kFrameStyle, FALSE, kFrameExStyle)) RaiseLastError();
    HWND created = ::CreateWindowExW(kFrameExStyle, kClassName, kCaption, kFrameStyle, CW_USEDEFAULT,
                                     CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                     owner_, nullptr, instance_, this);
    if (created == nullptr) RaiseLastError();
    fresh_ = true;
    try {
        CreateControls();
        // Windows hides owned windows with a minimised owner by itself; Wine without a window manager
        // does not, so the owner's size changes are watched as well.
        if (owner_ != nullptr &&
            !::SetWindowSubclass(owner_, &NotesWindow::OwnerProc, 2, reinterpret_cast<DWORD_PTR>(this))) {
            RaiseLastError();
        }
    } catch (...) {
        hwnd_.reset();
        throw;
    }
}

void NotesWindow::CreateControls() {
    for (const ControlSpec& spec : kControls) {
        HWND control =
            ::CreateWindowExW(spec.ex_style, spec.window_class, L"", spec.style, Scale(spec.left),
                              Scale(spec.top), Scale(spec.width), Scale(spec.height), hwnd_.get(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance_, nullptr);
        if (control == nullptr) RaiseLastError();
        controls_[Slot(spec.id)] = control;
    }
    HWND notes = Control(NotesControlId::kTxtShowNotes);
    ::SendMessageW(notes, WM_SETFONT, reinterpret_cast<WPARAM>(notes_font_.get()), FALSE);
    if (!::SetWindowSubclass(notes, &NotesWindow::NotesBoxProc, 1, reinterpret_cast<DWORD_PTR>(this))) {
        RaiseLastError();
    }
}

void NotesWindow::ShowOwned() {
    if (!hwnd_) Raise(kErrInvalidCall);
    ::ShowWindow(hwnd_.get(), SW_SHOW);
    ::SetWindowPos(hwnd_.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(hwnd_.get());
    if (fresh_) {
        ::SetFocus(Control(NotesControlId::kTxtShowNotes));
        fresh_ = false;
    }
}

void NotesWindow::SetText(std::string_view text) {
    if (!hwnd_) Raise(kErrInvalidCall);
    const std::u16string wide = codec_.ToUtf16(text);
    if (!::SetWindowTextW(Control(NotesControlId::kTxtShowNotes),
                          reinterpret_cast<const wchar_t*>(wide.c_str()))) {
        RaiseLastError();
    }
}

void NotesWindow::Unload() {
    hwnd_.reset();
}

void NotesWindow::Forget() {
    if (owner_ != nullptr) ::RemoveWindowSubclass(owner_, &NotesWindow::OwnerProc, 2);
    hidden_with_owner_ = false;
    hwnd_.release();
    controls_.fill(nullptr);
    fresh_ = false;
}

LRESULT CALLBACK NotesWindow::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    NotesWindow* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<NotesWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        self->hwnd_.reset(hwnd);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<NotesWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (self == nullptr) return ::DefWindowProcW(hwnd, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        // Destroyed by Unload, or with its owner.
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->Forget();
        return ::DefWindowProcW(hwnd, message, wparam, lparam);
    }
    return self->HandleMessage(message, wparam, lparam);
}

LRESULT CALLBACK NotesWindow::OwnerProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                        DWORD_PTR self_data) {
    auto* self = reinterpret_cast<NotesWindow*>(self_data);
    if (message == WM_SIZE && self->hwnd_) {
        HWND notes = self->hwnd_.get();
        if (wparam == SIZE_MINIMIZED && ::IsWindowVisible(notes)) {
            ::ShowWindow(notes, SW_HIDE);
            self->hidden_with_owner_ = true;
        } else if (wparam != SIZE_MINIMIZED && self->hidden_with_owner_) {
            self->hidden_with_owner_ = false;
            ::ShowWindow(notes, SW_SHOWNOACTIVATE);
        }
    }
    return ::DefSubclassProc(hwnd, message, wparam, lparam);
}

LRESULT CALLBACK NotesWindow::NotesBoxProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                           DWORD_PTR) {
    if (message == WM_GETDLGCODE) {
        // A multi-line box would keep Tab and Esc (Esc would close the window): leave them to the dialog
        // keys, so that Tab moves on and Esc presses nothing.
        return ::DefSubclassProc(hwnd, message, wparam, lparam) & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
    }
    if (message == WM_NCDESTROY) ::RemoveWindowSubclass(hwnd, &NotesWindow::NotesBoxProc, 1);
    return ::DefSubclassProc(hwnd, message, wparam, lparam);
}

LRESULT NotesWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    HWND hwnd = hwnd_.get();
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wparam) == static_cast<int>(NotesControlId::kCommand1) &&
                HIWORD(wparam) == BN_CLICKED) {
                if (form_ != nullptr) form_->Command1_Click();
                return 0;
            }
            if (LOWORD(wparam) == IDOK && ::GetFocus() == Control(NotesControlId::kCommand1)) {
                // Enter on the focused close button presses it, as on any push button.
                if (form_ != nullptr) form_->Command1_Click();
                return 0;
            }
            return 0;
        case WM_CLOSE:
            // The title bar's close box acts as the close button.
            if (form_ != nullptr) form_->Command1_Click();
            return 0;
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
            return TRUE;
        case WM_CTLCOLORSTATIC:
            // The read-only notes box keeps the window colours of an ordinary text box.
            if (reinterpret_cast<HWND>(lparam) == Control(NotesControlId::kTxtShowNotes)) {
                HDC dc = reinterpret_cast<HDC>(wparam);
                ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
                ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
                return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
            }
            break;
        case WM_CTLCOLORBTN:
            return reinterpret_cast<LRESULT>(::GetStockObject(BLACK_BRUSH));
        default:
            break;
    }
    return ::DefWindowProcW(hwnd, message, wparam, lparam);
}

void NotesWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    ::FillRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    if (item.CtlID == static_cast<UINT>(NotesControlId::kImgFire1)) {
        DrawPicture(item.hDC, fire_column_, item.rcItem);  // stretched to the control
        return;
    }
    DrawPicture(item.hDC, close_glyph_, CentredRect(item.rcItem, close_glyph_.size, dpi_));
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = item.rcItem;
        ::InflateRect(&focus, -Scale(2), -Scale(2));
        ::SetTextColor(item.hDC, RGB(255, 255, 255));
        ::SetBkColor(item.hDC, RGB(0, 0, 0));
        ::DrawFocusRect(item.hDC, &focus);
    }
}

}  // namespace vexar::win32
