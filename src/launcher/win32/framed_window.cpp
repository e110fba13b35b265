// The launcher's windows' shared frame, message forwarding, controls, fonts and drawing.
#include "launcher/win32/framed_window.h"

#include <commctrl.h>

#include "platform/win32/error_map.h"

namespace vexar::win32 {

namespace {

// The fixed tool-window frame: small title bar with a close box, no sizing border.
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFrameExStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;

HBRUSH BlackBrush() {
    return static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
}

}  // namespace

FramedWindow::FramedWindow(HINSTANCE instance, int dpi) : instance_(instance), dpi_(dpi > 0 ? dpi : 96) {}

FramedWindow::~FramedWindow() {
    if (hwnd_) ::SetWindowLongPtrW(hwnd_.get(), GWLP_USERDATA, 0);
}

bool FramedWindow::TranslateDialogKey(MSG& message) {
    return hwnd_ && ::IsDialogMessageW(hwnd_.get(), &message);
}

HWND FramedWindow::CreateFrame(const wchar_t* class_name, const wchar_t* caption, int client_width,
                               int client_height, HWND owner, Placement placement) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = &FramedWindow::WindowProc;
    window_class.hInstance = instance_;
    window_class.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
    window_class.hbrBackground = BlackBrush();
    window_class.lpszClassName = class_name;
    if (::RegisterClassExW(&window_class) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        RaiseLastError();
    }

    RECT frame{0, 0, Scale(client_width), Scale(client_height)};
    if (!::AdjustWindowRectEx(&frame, kFrameStyle, FALSE, kFrameExStyle)) RaiseLastError();
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    int left = CW_USEDEFAULT;
    int top = CW_USEDEFAULT;
    if (placement == Placement::kCentred) {
        left = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        top = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    }
    HWND created = ::CreateWindowExW(kFrameExStyle, class_name, caption, kFrameStyle, left, top, width,
                                     height, owner, nullptr, instance_, this);
    if (created == nullptr) RaiseLastError();
    return created;
}

HWND FramedWindow::CreateChild(int id, const wchar_t* window_class, DWORD style, DWORD ex_style,
                               RECT bounds) const {
    HWND control =
        ::CreateWindowExW(ex_style, window_class, L"", style, Scale(bounds.left), Scale(bounds.top),
                          Scale(bounds.right - bounds.left), Scale(bounds.bottom - bounds.top), hwnd_.get(),
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    if (control == nullptr) RaiseLastError();
    return control;
}

UniqueGdiObject FramedWindow::MakeFont(const wchar_t* face, int points_x100, int weight) const {
    LOGFONTW font{};
    font.lfHeight = -::MulDiv(points_x100, dpi_, 7200);
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    wcsncpy_s(font.lfFaceName, face, _TRUNCATE);
    UniqueGdiObject handle(::CreateFontIndirectW(&font));
    if (!handle) RaiseLastError();
    return handle;
}

void FramedWindow::DrawPictureButton(const DRAWITEMSTRUCT& item, const Picture& picture) const {
    ::FillRect(item.hDC, &item.rcItem, BlackBrush());
    DrawPicture(item.hDC, picture, CentredRect(item.rcItem, picture.size, dpi_));
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = item.rcItem;
        ::InflateRect(&focus, -Scale(2), -Scale(2));
        ::SetTextColor(item.hDC, RGB(255, 255, 255));
        ::SetBkColor(item.hDC, RGB(0, 0, 0));
        ::DrawFocusRect(item.hDC, &focus);
    }
}

void FramedWindow::DrawStretched(const DRAWITEMSTRUCT& item, const Picture& picture) {
    ::FillRect(item.hDC, &item.rcItem, BlackBrush());
    DrawPicture(item.hDC, picture, item.rcItem);
}

LRESULT FramedWindow::NotesBoxDialogCode(HWND hwnd, WPARAM wparam, LPARAM lparam) {
    return ::DefSubclassProc(hwnd, WM_GETDLGCODE, wparam, lparam) & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
}

LRESULT CALLBACK FramedWindow::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    FramedWindow* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<FramedWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        self->hwnd_.reset(hwnd);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<FramedWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (self == nullptr) return ::DefWindowProcW(hwnd, message, wparam, lparam);
    switch (message) {
        case WM_NCDESTROY:
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_.release();
            self->Forget();
            return ::DefWindowProcW(hwnd, message, wparam, lparam);
        case WM_DRAWITEM:
            self->OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
            return TRUE;
        case WM_CTLCOLORSTATIC:
            // The read-only notes box keeps the window colours of an ordinary text box.
            if (reinterpret_cast<HWND>(lparam) == self->NotesBox()) {
                HDC dc = reinterpret_cast<HDC>(wparam);
                ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
                ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
                return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
            }
            break;
        case WM_CTLCOLORBTN:
            return reinterpret_cast<LRESULT>(BlackBrush());
        default:
            break;
    }
    return self->HandleMessage(message, wparam, lparam);
}

}  // namespace vexar::win32
