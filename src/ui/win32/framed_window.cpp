// The launcher's windows' shared frame, message forwarding, controls, fonts and drawing.
#include "ui/win32/framed_window.h"

#include "ui/win32/late_calls.h"

#include <algorithm>
#include <string_view>

#include "platform/win32/error_map.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"
#include "ui/win32/gdi.h"

namespace vexar::win32 {

namespace {

// The fixed tool-window frame: small title bar with a close box, no sizing border.
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFrameExStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;
// The face of every font of the windows.
constexpr wchar_t kFaceName[] = L"MS Sans Serif";
// The subclass of read-only text boxes.
constexpr UINT_PTR kReadOnlyBoxSubclass = 1;

HBRUSH BlackBrush() {
    return static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
}

// Returns true when `window` is a text box that the user cannot change.
bool IsReadOnlyTextBox(HWND window) {
    wchar_t name[16] = {};
    return ::GetClassNameW(window, name, 16) > 0 && ::lstrcmpiW(name, WC_EDITW) == 0 &&
           (::GetWindowLongPtrW(window, GWL_STYLE) & ES_READONLY) != 0;
}

FramedWindow* WindowOf(HWND hwnd) {
    return reinterpret_cast<FramedWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

}  // namespace

int WindowDpi(HWND window) {
    // Windows 10 (1607) and later tell each window's dpi; earlier systems have one for all.
    typedef UINT WINAPI GetDpiForWindowFunction(HWND);
    static const auto get_dpi_for_window =
        SystemFunctionOf<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
    int dpi = 0;
    if (window != nullptr && get_dpi_for_window != nullptr) {
        dpi = static_cast<int>(get_dpi_for_window(window));
    } else if (const ScreenDc screen; screen) {
        dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
    return dpi > 0 ? dpi : 96;
}

FramedWindow::~FramedWindow() {
    if (!hwnd_) return;
    ::SetWindowLongPtrW(hwnd_.get(), GWLP_USERDATA, 0);
    ClearAnnotations();
}

HWND FramedWindow::Control(int id) const {
    const auto found =
        std::find_if(controls_.begin(), controls_.end(), [id](const Child& c) { return c.layout.id == id; });
    return found == controls_.end() ? nullptr : found->window;
}

bool FramedWindow::TranslateDialogKey(MSG& message) {
    return hwnd_ && ::IsDialogMessageW(hwnd_.get(), &message);
}

HWND FramedWindow::CreateFrame(const wchar_t* class_name, const wchar_t* caption, int client_width,
                               int client_height, HWND owner, Placement placement, int dpi) {
    dpi_ = dpi;
    client_ = {client_width, client_height};
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

void FramedWindow::CreateControls(std::span<const ControlLayout> layouts) {
    for (const ControlLayout& layout : layouts) {
        HWND control = ::CreateWindowExW(
            layout.ex_style, layout.window_class, layout.text, layout.style, Scale(layout.left),
            Scale(layout.top), Scale(layout.width), Scale(layout.height), hwnd_.get(),
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), instance_, nullptr);
        if (control == nullptr) RaiseLastError();
        controls_.push_back({layout, control});
        if ((layout.style & ES_MULTILINE) != 0 && IsReadOnlyTextBox(control) &&
            !late::SetWindowSubclass(control, &FramedWindow::ReadOnlyBoxProc, kReadOnlyBoxSubclass, 0)) {
            RaiseLastError();
        }
        if (layout.accessible_name != nullptr) Annotate(control, layout.accessible_name);
    }
}

void FramedWindow::ScaleTo(int dpi, const RECT* suggested) {
    if (!hwnd_ || dpi == dpi_) return;
    dpi_ = dpi;
    RECT frame{0, 0, Scale(client_.cx), Scale(client_.cy)};
    if (suggested != nullptr) {
        frame = *suggested;
    } else {
        ::AdjustWindowRectEx(&frame, kFrameStyle, FALSE, kFrameExStyle);
        RECT now{};
        ::GetWindowRect(hwnd_.get(), &now);
        ::OffsetRect(&frame, now.left - frame.left, now.top - frame.top);
    }
    constexpr UINT kMoveOnly = SWP_NOZORDER | SWP_NOACTIVATE;
    ::SetWindowPos(hwnd_.get(), nullptr, frame.left, frame.top, frame.right - frame.left,
                   frame.bottom - frame.top, kMoveOnly);
    for (const Child& child : controls_) {
        const ControlLayout& l = child.layout;
        ::SetWindowPos(child.window, nullptr, Scale(l.left), Scale(l.top), Scale(l.width), Scale(l.height),
                       kMoveOnly);
    }
    OnScaled();
    ::RedrawWindow(hwnd_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void FramedWindow::Annotate(HWND control, const wchar_t* name) {
    if (!annotations_) {
        void* services = nullptr;
        if (FAILED(late::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                          IID_IAccPropServices, &services))) {
            return;
        }
        annotations_.reset(static_cast<IAccPropServices*>(services));
    }
    static_cast<void>(annotations_.get()->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                                                         const_cast<wchar_t*>(name)));
}

void FramedWindow::ClearAnnotations() {
    if (!annotations_) return;
    MSAAPROPID name = PROPID_ACC_NAME;
    for (const Child& child : controls_) {
        if (child.layout.accessible_name != nullptr) {
            static_cast<void>(
                annotations_.get()->ClearHwndProps(child.window, OBJID_CLIENT, CHILDID_SELF, &name, 1));
        }
    }
}

UniqueFont FramedWindow::MakeFont(int points_x100, int weight) const {
    return MakeWindowFont(points_x100, weight, dpi_);
}

UniqueFont MakeWindowFont(int points_x100, int weight, int dpi) {
    LOGFONTW font{};
    font.lfHeight = -::MulDiv(points_x100, dpi, 7200);
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    // (Copied without the CRT's wcsncpy_s, which the msvcrt.dll of Windows XP lacks.)
    std::wstring_view(kFaceName).copy(font.lfFaceName, LF_FACESIZE - 1);
    UniqueFont handle(::CreateFontIndirectW(&font));
    if (!handle) RaiseLastError();
    return handle;
}

void FramedWindow::SetControlFont(int id, const UniqueFont& font) const {
    ::SendMessageW(Control(id), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
}

std::string FramedWindow::TextOf(HWND window) {
    if (window == nullptr) return std::string();
    const int length = ::GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return Utf8(text);
}

void FramedWindow::SetTextOf(HWND window, std::string_view text) {
    if (window != nullptr && !::SetWindowTextW(window, Wide(text).c_str())) RaiseLastError();
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

LRESULT CALLBACK FramedWindow::ReadOnlyBoxProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                               UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_GETDLGCODE:
            // A multi-line box would keep Tab for itself and turn Esc into closing the window: the dialog
            // keys skip it and press nothing.
            return late::DefSubclassProc(hwnd, message, wparam, lparam) & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
        case WM_LBUTTONDBLCLK: {
            const LRESULT result = late::DefSubclassProc(hwnd, message, wparam, lparam);
            if (FramedWindow* owner = WindowOf(::GetParent(hwnd))) owner->OnDoubleClick(::GetDlgCtrlID(hwnd));
            return result;
        }
        case WM_NCDESTROY:
            late::RemoveWindowSubclass(hwnd, &FramedWindow::ReadOnlyBoxProc, kReadOnlyBoxSubclass);
            break;
        default:
            break;
    }
    return late::DefSubclassProc(hwnd, message, wparam, lparam);
}

LRESULT CALLBACK FramedWindow::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    FramedWindow* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<FramedWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        self->hwnd_.reset(hwnd);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = WindowOf(hwnd);
    }
    if (self == nullptr) return ::DefWindowProcW(hwnd, message, wparam, lparam);
    switch (message) {
        case WM_NCDESTROY:
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->ClearAnnotations();
            self->hwnd_.release();
            self->controls_.clear();
            self->OnDestroyed();
            return ::DefWindowProcW(hwnd, message, wparam, lparam);
        case WM_DPICHANGED:
            // Everything is scaled anew from the designed sizes, so that changes back and forth never drift.
            self->ScaleTo(LOWORD(wparam), reinterpret_cast<const RECT*>(lparam));
            return 0;
        case WM_DRAWITEM:
            self->OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
            return TRUE;
        case WM_CTLCOLORSTATIC:
            // A read-only text box keeps the window colours of an ordinary one.
            if (IsReadOnlyTextBox(reinterpret_cast<HWND>(lparam))) {
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

void UniqueSubclass::reset(HWND window, SUBCLASSPROC proc, DWORD_PTR data) {
    if (window_ != nullptr) late::RemoveWindowSubclass(window_, proc_, 0);
    window_ = nullptr;
    proc_ = nullptr;
    if (window == nullptr) return;
    if (!late::SetWindowSubclass(window, proc, 0, data)) RaiseLastError();
    window_ = window;
    proc_ = proc;
}

}  // namespace vexar::win32
