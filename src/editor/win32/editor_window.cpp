// The editor's window: its controls and their places, and what each message means to the session.
#include "editor/win32/editor_window.h"

#include <commctrl.h>

#include <cstddef>

#include "editor/editor_paths.h"
#include "editor/win32/file_dialogs.h"
#include "platform/errors.h"
#include "platform/messages.h"
#include "platform/win32/error_map.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_message_boxes.h"
#include "resource_ids.h"
#include "ui/win32/framed_window.h"
#include "ui/win32/late_calls.h"

namespace vexar::win32 {

using editor::Field;

namespace {

constexpr UINT_PTR kTypingTimer = 1;
constexpr std::string_view kBoxTitle = "Vexar Edit";
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFrameExStyle = WS_EX_CONTROLPARENT | WS_EX_ACCEPTFILES;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kChild | SS_LEFT;
constexpr DWORD kField = kChild | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;

// A field's row: its label (with the letter Alt takes to it) and its browse button, if any.
struct Row {
    Field field;
    const wchar_t* label;
    EditorControl browse;        // kFirstField: none
    const wchar_t* browse_name;  // what assistive technology calls the browse button
};
constexpr EditorControl kNoBrowse = EditorControl::kFirstField;
const Row kRows[] = {
    {Field::kTitle, L"Ti&tle:", kNoBrowse, nullptr},
    {Field::kNotes, L"&Notes:", kNoBrowse, nullptr},
    {Field::kStartLocation, L"&Start in:", EditorControl::kBrowseStart, L"Browse for the start folder"},
    {Field::kLaunchFile, L"&Launch file:", EditorControl::kBrowseLaunch, L"Browse for the launch file"},
    {Field::kDefaultParams, L"&Default parameters:", kNoBrowse, nullptr},
    {Field::kHDParams, L"&Hard-drive parameters:", kNoBrowse, nullptr},
    {Field::kCDPrelaunch, L"CD &preparation program:", EditorControl::kBrowsePreparation,
     L"Browse for the CD preparation program"},
    {Field::kCDParams, L"&CD parameters:", kNoBrowse, nullptr},
};

struct Button {
    EditorControl id;
    const wchar_t* text;
    int left, width;
};
const Button kButtons[] = {
    {EditorControl::kNew, L"Ne&w", 10, 70},
    {EditorControl::kOpen, L"&Open...", 85, 75},
    {EditorControl::kSave, L"Sa&ve", 165, 70},
    {EditorControl::kSaveAs, L"Save &as...", 240, 80},
    {EditorControl::kTest, L"Test (F5)", 330, 90},
    {EditorControl::kTestCd, L"Test from CD (Shift+F5)", 425, 145},
    {EditorControl::kClose, L"Close", 575, 55},
};

// Geometry at 96 dpi: the label column, the fields' column and the rows.
constexpr int kLabelLeft = 10, kLabelWidth = 150, kFieldLeft = 165, kRight = 630, kBrowseWidth = 80;
constexpr int kRowTop = 12, kRowStep = 29, kRowHeight = 23;

constexpr int Id(EditorControl id) {
    return static_cast<int>(id);
}

bool IsPathField(Field field) {
    return field == Field::kStartLocation || field == Field::kLaunchFile || field == Field::kCDPrelaunch;
}

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::wstring ParentOf(const std::wstring& path) {
    const std::size_t last = path.find_last_of(L'\\');
    return last == std::wstring::npos ? std::wstring() : path.substr(0, last);
}

// A program the shell starts by itself, which a new game can be made of.
bool IsProgram(const std::wstring& path) {
    const std::size_t dot = path.find_last_of(L'.');
    if (dot == std::wstring::npos || path.find(L'\\', dot) != std::wstring::npos) return false;
    const std::wstring extension = path.substr(dot);
    for (const wchar_t* known : {L".exe", L".bat", L".cmd", L".com"}) {
        if (::lstrcmpiW(extension.c_str(), known) == 0) return true;
    }
    return false;
}

// The system's message font (the dialogs' font) at `dpi`.
UniqueFont DialogFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    // The size Windows XP knows: the later member is not needed.
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    typedef BOOL WINAPI ForDpi(UINT, UINT, void*, UINT, UINT);  // Windows 10 (1607) and later
    static const auto for_dpi = SystemFunctionOf<ForDpi>(L"user32.dll", "SystemParametersInfoForDpi");
    if (for_dpi == nullptr || !for_dpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, dpi)) {
        if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) RaiseLastError();
        metrics.lfMessageFont.lfHeight = ::MulDiv(metrics.lfMessageFont.lfHeight, dpi, WindowDpi(nullptr));
    }
    UniqueFont font(::CreateFontIndirectW(&metrics.lfMessageFont));
    if (!font) RaiseLastError();
    return font;
}

// A read-only box of several lines gives Tab and Esc to the window's keys.
LRESULT CALLBACK FindingsProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
    if (message == WM_GETDLGCODE) {
        return late::DefSubclassProc(window, message, wparam, lparam) & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
    }
    if (message == WM_NCDESTROY) late::RemoveWindowSubclass(window, &FindingsProc, 1);
    return late::DefSubclassProc(window, message, wparam, lparam);
}

}  // namespace

EditorWindow::EditorWindow(HINSTANCE instance, std::string launcher)
    : instance_(instance),
      launcher_(std::move(launcher)),
      drop_([this](const std::wstring& path, POINT point) { Dropped(path, point); }) {}

EditorWindow::~EditorWindow() {
    if (hwnd_) ::SetWindowLongPtrW(hwnd_.get(), GWLP_USERDATA, 0);
    drop_.Revoke();
}

HWND EditorWindow::Add(const wchar_t* window_class, const wchar_t* text, DWORD style, int id, RECT designed) {
    const DWORD ex_style = window_class == std::wstring_view(WC_EDITW) ? WS_EX_CLIENTEDGE : 0;
    HWND control = ::CreateWindowExW(ex_style, window_class, text, style, 0, 0, 0, 0, hwnd_.get(),
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    if (control == nullptr) RaiseLastError();
    placed_.push_back({control, designed});
    return control;
}

void EditorWindow::Name(HWND control, const wchar_t* name) {
    if (!names_) {
        void* services = nullptr;
        if (FAILED(late::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                          IID_IAccPropServices, &services))) {
            return;
        }
        names_.reset(static_cast<IAccPropServices*>(services));
    }
    if (SUCCEEDED(names_.get()->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                                               const_cast<wchar_t*>(name)))) {
        named_.push_back(control);
    }
}

void EditorWindow::Create() {
    if (hwnd_) return;
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = &EditorWindow::WindowProc;
    window_class.hInstance = instance_;
    window_class.hIcon = ::LoadIconW(instance_, MAKEINTRESOURCEW(VEXAR_IDI_PROGRAM));
    window_class.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    window_class.lpszClassName = kClassName;
    if (::RegisterClassExW(&window_class) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        RaiseLastError();
    }
    dpi_ = WindowDpi(nullptr);
    RECT frame{0, 0, ::MulDiv(kClientWidth, dpi_, 96), ::MulDiv(kClientHeight, dpi_, 96)};
    ::AdjustWindowRectEx(&frame, kFrameStyle, FALSE, kFrameExStyle);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    if (::CreateWindowExW(kFrameExStyle, kClassName, L"Vexar Edit", kFrameStyle,
                          (::GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                          (::GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr, nullptr,
                          instance_, this) == nullptr) {
        RaiseLastError();
    }

    // Creation order is the tab order: each label just before its field, which gives the field its name
    // and takes Alt+its letter there.
    for (std::size_t row = 0; row < std::size(kRows); ++row) {
        const int top = kRowTop + static_cast<int>(row) * kRowStep;
        const bool browse = kRows[row].browse != kNoBrowse;
        const int field_right = browse ? kRight - kBrowseWidth - 5 : kRight;
        Add(WC_STATICW, kRows[row].label, kLabel, -1,
            {kLabelLeft, top + 4, kLabelLeft + kLabelWidth, top + 20});
        HWND field =
            Add(WC_EDITW, L"", kField, Id(EditorControl::kFirstField) + static_cast<int>(kRows[row].field),
                {kFieldLeft, top, field_right, top + kRowHeight});
        ::SendMessageW(field, EM_SETLIMITTEXT, 0, 0);
        if (browse) {
            Name(Add(WC_BUTTONW, L"Browse...", kButton, Id(kRows[row].browse),
                     {kRight - kBrowseWidth, top, kRight, top + kRowHeight}),
                 kRows[row].browse_name);
        }
    }
    constexpr DWORD kShown = kField | ES_READONLY;
    Add(WC_STATICW, L"Hard-drive launch:", kLabel, -1, {kLabelLeft, 254, kFieldLeft - 5, 270});
    Add(WC_EDITW, L"", kShown, Id(EditorControl::kHardDriveLaunch), {kFieldLeft, 250, kRight, 273});
    Add(WC_STATICW, L"CD launch:", kLabel, -1, {kLabelLeft, 283, kFieldLeft - 5, 299});
    Add(WC_EDITW, L"", kShown, Id(EditorControl::kCdLaunch), {kFieldLeft, 279, kRight, 302});
    Add(WC_STATICW, L"Probl&ems of this game file:", kLabel, -1, {kLabelLeft, 312, kRight, 328});
    HWND findings = Add(WC_EDITW, L"", kShown | ES_MULTILINE | WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL,
                        Id(EditorControl::kFindings), {kLabelLeft, 330, kRight, 440});
    if (!late::SetWindowSubclass(findings, &FindingsProc, 1, 0)) RaiseLastError();
    for (const Button& button : kButtons) {
        Add(WC_BUTTONW, button.text, kButton, Id(button.id),
            {button.left, 450, button.left + button.width, 475});
    }
    Add(WC_STATICW, L"", kChild | SS_LEFTNOWORDWRAP | SS_NOPREFIX, Id(EditorControl::kStatus),
        {kLabelLeft, 486, kRight, 504});

    // Where the system tells each window's dpi, the window takes that of its monitor.
    const int dpi = WindowDpi(hwnd_.get());
    if (dpi != dpi_) {
        dpi_ = dpi;
        RECT scaled{0, 0, ::MulDiv(kClientWidth, dpi_, 96), ::MulDiv(kClientHeight, dpi_, 96)};
        ::AdjustWindowRectEx(&scaled, kFrameStyle, FALSE, kFrameExStyle);
        ::SetWindowPos(hwnd_.get(), nullptr, 0, 0, scaled.right - scaled.left, scaled.bottom - scaled.top,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Layout();
    drop_.Register(hwnd_.get());
}

void EditorWindow::Layout() {
    font_ = DialogFont(dpi_);
    for (const Placed& placed : placed_) {
        const RECT& r = placed.designed;
        ::SetWindowPos(placed.window, nullptr, ::MulDiv(r.left, dpi_, 96), ::MulDiv(r.top, dpi_, 96),
                       ::MulDiv(r.right - r.left, dpi_, 96), ::MulDiv(r.bottom - r.top, dpi_, 96),
                       SWP_NOZORDER | SWP_NOACTIVATE);
        ::SendMessageW(placed.window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    }
}

void EditorWindow::Show() {
    if (!hwnd_) return;
    ::ShowWindow(hwnd_.get(), SW_SHOW);
    ::UpdateWindow(hwnd_.get());
    ::SetForegroundWindow(hwnd_.get());
    HWND title = FieldControl(Field::kTitle);
    ::SetFocus(title);
    // The whole title selected, as a dialog's first field is, but shown from its start.
    ::SendMessageW(title, EM_SETSEL, static_cast<WPARAM>(::GetWindowTextLengthW(title)), 0);
}

int EditorWindow::Run() {
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TranslateKey(message)) continue;
        if (hwnd_ && ::IsDialogMessageW(hwnd_.get(), &message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

HWND EditorWindow::FieldControl(Field field) const {
    return ::GetDlgItem(hwnd_.get(), Id(EditorControl::kFirstField) + static_cast<int>(field));
}

std::optional<Field> EditorWindow::FieldOf(int id) {
    const int first = Id(EditorControl::kFirstField);
    if (id >= first && id < first + editor::kFieldCount) return static_cast<Field>(id - first);
    switch (static_cast<EditorControl>(id)) {
        case EditorControl::kBrowseStart:
            return Field::kStartLocation;
        case EditorControl::kBrowseLaunch:
            return Field::kLaunchFile;
        case EditorControl::kBrowsePreparation:
            return Field::kCDPrelaunch;
        default:
            return std::nullopt;
    }
}

bool EditorWindow::TranslateKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || !hwnd_ ||
        (message.hwnd != hwnd_.get() && !::IsChild(hwnd_.get(), message.hwnd))) {
        return false;
    }
    const bool control = ::GetKeyState(VK_CONTROL) < 0;
    const bool shift = ::GetKeyState(VK_SHIFT) < 0;
    const std::optional<Field> focused = FieldOf(::GetDlgCtrlID(::GetFocus()));
    const bool in_path = focused && IsPathField(*focused);
    switch (message.wParam) {
        case 'N':
            if (!control) return false;
            Guarded([this] { session_->Open(""); });
            return true;
        case 'O':
            if (!control) return false;
            OpenFile();
            return true;
        case 'S':
            if (!control) return false;
            shift ? SaveAs() : Save();
            return true;
        case 'B':
            if (!control) return false;
            Browse(in_path ? *focused : Field::kLaunchFile);
            return true;
        case VK_F4:
            if (control || !in_path) return false;
            Browse(*focused);
            return true;
        case VK_F5:
            Test(shift ? LaunchMode::kCd : LaunchMode::kHardDrive);
            return true;
        case VK_ESCAPE:
            Close();
            return true;
        default:
            return false;
    }
}

template <typename Command>
void EditorWindow::Guarded(Command command) {
    if (session_ == nullptr) return;
    try {
        command();
    } catch (...) {
        Win32MessageBoxes boxes;
        try {
            MsgBox(boxes, ErrorText(TrappedError()), platform::Icon::kCritical, platform::Buttons::kOk,
                   kBoxTitle);
        } catch (...) {
        }
    }
}

void EditorWindow::TakePause() {
    if (!typing_) return;
    typing_ = false;
    ::KillTimer(hwnd_.get(), kTypingTimer);
    Guarded([this] { session_->TypingPaused(); });
}

void EditorWindow::OnCommand(int id, int code) {
    if (const std::optional<Field> field = FieldOf(id); field && id < Id(EditorControl::kBrowseStart)) {
        if (code == EN_CHANGE && !setting_) {
            Guarded([this, field] { session_->FieldEdited(*field); });
            // Each edit restarts the pause: the findings come once typing stops, never for each key.
            typing_ = ::SetTimer(hwnd_.get(), kTypingTimer, kTypingPause, nullptr) != 0;
        }
        if (code == EN_KILLFOCUS) TakePause();
        return;
    }
    if (code != BN_CLICKED) return;
    if (const std::optional<Field> field = FieldOf(id)) return Browse(*field);
    switch (static_cast<EditorControl>(id)) {
        case EditorControl::kNew:
            return Guarded([this] { session_->Open(""); });
        case EditorControl::kOpen:
            return OpenFile();
        case EditorControl::kSave:
            return Save();
        case EditorControl::kSaveAs:
            return SaveAs();
        case EditorControl::kTest:
            return Test(LaunchMode::kHardDrive);
        case EditorControl::kTestCd:
            return Test(LaunchMode::kCd);
        case EditorControl::kClose:
            return Close();
        default:
            if (id == IDCANCEL) Close();
            return;
    }
}

std::wstring EditorWindow::StartFolder(Field field) const {
    const std::string start = FieldText(Field::kStartLocation);
    const std::string start_folder = editor::AbsolutePath(start, launcher_);
    std::wstring folder;
    if (field == Field::kStartLocation) {
        folder = Wide(start.empty() ? launcher_ : start_folder);
    } else {
        const std::string value = FieldText(field);
        folder =
            value.empty() ? Wide(start_folder) : ParentOf(Wide(editor::AbsolutePath(value, start_folder)));
    }
    return IsFolder(folder) ? folder : Wide(launcher_);
}

void EditorWindow::Browse(Field field) {
    if (!IsPathField(field) || session_ == nullptr) return;
    TakePause();
    DialogRequest request{
        L"Choose the launch file", StartFolder(field), {}, L"Programs", L"*.exe;*.bat;*.cmd;*.com"};
    if (field == Field::kStartLocation) {
        request.title = L"Choose the start folder";
        request.pick = Pick::kFolder;
    } else if (field == Field::kCDPrelaunch) {
        request.title = L"Choose the CD preparation program";
    }
    if (const std::optional<std::wstring> chosen = ChooseFile(hwnd_.get(), request)) {
        Guarded([&] { session_->PathChosen(field, Utf8(*chosen)); });
    }
    if (hwnd_) ::SetFocus(FieldControl(field));
}

void EditorWindow::OpenFile() {
    if (session_ == nullptr) return;
    TakePause();
    const std::optional<std::wstring> chosen = ChooseFile(
        hwnd_.get(), {L"Open a game file", Wide(ConfigsFolder()), {}, L"Game files", L"*.cfg", Pick::kFile});
    if (!chosen) return;
    if (::lstrcmpiW(ParentOf(*chosen).c_str(), Wide(ConfigsFolder()).c_str()) != 0) {
        Win32MessageBoxes boxes;
        Guarded([&] {
            MsgBox(boxes,
                   "This window edits the game files of " + ConfigsFolder() +
                       ". Start VexarEdit with the other game file to edit that one.",
                   platform::Icon::kInformation, platform::Buttons::kOk, kBoxTitle);
        });
        return;
    }
    Guarded([&] { session_->Open(Utf8(chosen->substr(chosen->find_last_of(L'\\') + 1))); });
}

void EditorWindow::Save() {
    if (session_ == nullptr) return;
    TakePause();
    if (session_->name().empty()) return SaveAs();
    Guarded([this] { session_->Save(); });
}

void EditorWindow::SaveAs() {
    if (session_ == nullptr) return;
    TakePause();
    const std::string folder = ConfigsFolder();
    std::string name = session_->name();
    if (name.empty()) {
        Guarded([&] {
            name = editor::FileNameForTitle(FieldText(Field::kTitle), [&](const std::string& candidate) {
                return ::GetFileAttributesW(Wide(folder + "\\" + candidate).c_str()) !=
                       INVALID_FILE_ATTRIBUTES;
            });
        });
    }
    const std::optional<std::wstring> chosen = ChooseFile(
        hwnd_.get(),
        {L"Save the game file as", Wide(folder), Wide(name), L"Game files", L"*.cfg", Pick::kNewFile});
    if (!chosen) return;
    if (::lstrcmpiW(ParentOf(*chosen).c_str(), Wide(folder).c_str()) != 0) {
        Win32MessageBoxes boxes;
        Guarded([&] {
            MsgBox(boxes,
                   "The launcher lists only the game files in " + folder + ": save the game file there.",
                   platform::Icon::kWarning, platform::Buttons::kOk, kBoxTitle);
        });
        return;
    }
    Guarded([&] { session_->SaveAs(Utf8(chosen->substr(chosen->find_last_of(L'\\') + 1))); });
}

void EditorWindow::Test(LaunchMode mode) {
    TakePause();
    Guarded([this, mode] { session_->Test(mode); });
}

void EditorWindow::Close() {
    TakePause();
    bool closing = session_ == nullptr;
    Guarded([&] { closing = session_->Close(); });
    if (closing) Destroy();
}

void EditorWindow::Dropped(const std::wstring& path, POINT point) {
    HWND target = ::ChildWindowFromPointEx(hwnd_.get(), point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    const std::optional<Field> field = FieldOf(target != nullptr ? ::GetDlgCtrlID(target) : 0);
    if (field && IsPathField(*field)) {
        // A file dropped on the start folder stands for its folder.
        const std::wstring chosen = field == Field::kStartLocation && !IsFolder(path) ? ParentOf(path) : path;
        Guarded([&] { session_->PathChosen(*field, Utf8(chosen)); });
    } else if (IsProgram(path)) {
        Guarded([&] { session_->NewFromProgram(Utf8(path)); });
    } else {
        ShowStatus(
            "Drop a program (.exe, .bat, .cmd or .com) to make a new game of it, or a file on a path field.");
    }
}

std::string EditorWindow::FieldText(Field field) const {
    HWND control = FieldControl(field);
    if (control == nullptr) return std::string();
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Utf8(text);
}

void EditorWindow::SetFieldText(Field field, std::string_view text) {
    setting_ = true;
    ::SetWindowTextW(FieldControl(field), Wide(text).c_str());
    setting_ = false;
}

void EditorWindow::SetCaption(std::string_view caption) {
    ::SetWindowTextW(hwnd_.get(), Wide(caption).c_str());
}

void EditorWindow::ShowCommands(std::string_view hard_drive, std::string_view cd) {
    ::SetWindowTextW(Control(EditorControl::kHardDriveLaunch), Wide(hard_drive).c_str());
    ::SetWindowTextW(Control(EditorControl::kCdLaunch), Wide(cd).c_str());
}

void EditorWindow::ShowFindings(std::span<const Finding> findings) {
    std::string text;
    for (const Finding& finding : findings) text += (text.empty() ? "" : "\r\n") + FormatFinding(finding);
    ::SetWindowTextW(Control(EditorControl::kFindings), Wide(text).c_str());
}

void EditorWindow::ShowStatus(std::string_view status) {
    ::SetWindowTextW(Control(EditorControl::kStatus), Wide(status).c_str());
}

void EditorWindow::SetSaveState(editor::SaveState state) {
    const BOOL allowed = state == editor::SaveState::kAllowed;
    for (EditorControl id : {EditorControl::kSave, EditorControl::kSaveAs}) {
        HWND button = Control(id);
        if (!allowed && ::GetFocus() == button) ::SendMessageW(hwnd_.get(), WM_NEXTDLGCTL, 0, FALSE);
        ::EnableWindow(button, allowed);
    }
}

void EditorWindow::Destroy() {
    drop_.Revoke();
    hwnd_.reset();
}

LRESULT CALLBACK EditorWindow::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    EditorWindow* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<EditorWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        self->hwnd_.reset(hwnd);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<EditorWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (self == nullptr) return ::DefWindowProcW(hwnd, message, wparam, lparam);
    return self->HandleMessage(message, wparam, lparam);
}

LRESULT EditorWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    HWND hwnd = hwnd_.get();
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wparam), HIWORD(wparam));
            return 0;
        case WM_TIMER:
            if (wparam == kTypingTimer) TakePause();
            return 0;
        case WM_CLOSE:
            Close();
            return 0;
        case WM_NEXTDLGCTL: {
            // What a dialog does for Alt+a label's letter (and Tab where the system asks the window): the
            // control named, or the next or previous one, focused with its text selected.
            HWND next = lparam ? reinterpret_cast<HWND>(wparam)
                               : ::GetNextDlgTabItem(hwnd, ::GetFocus(), wparam != 0);
            if (next != nullptr) {
                ::SetFocus(next);
                if (::SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
                    ::SendMessageW(next, EM_SETSEL, 0, -1);
            }
            return 0;
        }
        case WM_DROPFILES:
            drop_.HandleDropFiles(reinterpret_cast<HDROP>(wparam));
            return 0;
        case WM_DPICHANGED: {
            dpi_ = LOWORD(wparam);
            const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
            ::SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                           suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
            Layout();
            return 0;
        }
        case WM_ACTIVATE:
            // As a dialog does: the focus returns to the control that had it (after a file dialog too).
            if (LOWORD(wparam) == WA_INACTIVE) {
                HWND focus = ::GetFocus();
                if (focus != nullptr && ::IsChild(hwnd, focus)) focus_ = focus;
            } else if (!HIWORD(wparam) && focus_ != nullptr && ::IsWindow(focus_)) {
                ::SetFocus(focus_);
                return 0;
            }
            break;
        case WM_DESTROY:
            for (HWND named : named_) {
                MSAAPROPID name = PROPID_ACC_NAME;
                static_cast<void>(names_.get()->ClearHwndProps(named, OBJID_CLIENT, CHILDID_SELF, &name, 1));
            }
            named_.clear();
            ::KillTimer(hwnd, kTypingTimer);
            typing_ = false;
            ::PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            hwnd_.release();
            placed_.clear();
            focus_ = nullptr;
            return ::DefWindowProcW(hwnd, message, wparam, lparam);
        default:
            break;
    }
    return ::DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace vexar::win32
