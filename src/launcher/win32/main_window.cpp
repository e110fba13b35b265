// The main window: creation of the frame and controls, and message translation to frmVexarLaunch.
#include "launcher/win32/main_window.h"

#include <commctrl.h>

#include <optional>
#include <string_view>
#include <utility>

#include "launcher/frmVexarLaunch.h"
#include "launcher/launcher_rules.h"
#include "notes_window/frmNotesView.h"
#include "platform/errors.h"
#include "platform/win32/wide_text.h"
#include "resource_ids.h"

namespace vexar::win32 {

namespace {

// How far the game list drops down, at 96 dpi; its closed height is set to 28 once it exists.
constexpr int kDropDownHeight = 200;
constexpr int kClosedListHeight = 28;
// Posted to the window once it is shown: it adds what its first paint does not show.
constexpr UINT kAddExtras = WM_APP;
// The gamepad's poll timer, its interval, and how often a pad is looked for while none is connected.
constexpr UINT_PTR kPadTimer = 1;
constexpr UINT kPadPollMs = 30;
constexpr DWORD kPadScanMs = 3000;

enum class FontKind { kNone, kList, kCommand, kDefault };

// One control as designed, with its font, tool tip and the control the launcher's logic knows it as.
struct MainControl {
    ControlLayout layout;
    FontKind font;
    const wchar_t* tip;
    std::optional<LauncherControl> control;  // none for the pictures
};

constexpr int Id(ControlId id) {
    return static_cast<int>(id);
}

// Creation order is the tab order (the z-order), from the game list round to the manual button; the
// notes box and the two pictures are no tab stops.
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
// BS_NOTIFY: the buttons report getting the focus, which is how the text boxes learn they lost it.
constexpr DWORD kPictureButton = kChild | WS_TABSTOP | BS_OWNERDRAW | BS_NOTIFY;
const MainControl kControls[] = {
    {{Id(ControlId::kTxtLauncher), WC_COMBOBOXW, L"", L"Games",
      kChild | WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, 48, 8, 445,
      kDropDownHeight},
     FontKind::kList,
     L"Select the game you want to play from the list",
     LauncherControl::kGameList},
    {{Id(ControlId::kTxtCommand), WC_EDITW, L"", L"Extra command line options",
      kChild | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 16, 136, 590, 19},
     FontKind::kCommand,
     L"Add extra command line options here.  Current directory is the location of this launcher.",
     LauncherControl::kCommand},
    {{Id(ControlId::kCmdLaunchGame), WC_BUTTONW, L"Launch game", nullptr, kPictureButton, 0, 500, 8, 74, 93},
     FontKind::kNone,
     L"Click here to launch the game",
     LauncherControl::kLaunchGame},
    {{Id(ControlId::kCmdMinimize), WC_BUTTONW, L"Minimize", nullptr, kPictureButton, 0, 500, 104, 25, 26},
     FontKind::kNone,
     L"Minimize the Vexar Launcher",
     LauncherControl::kMinimize},
    {{Id(ControlId::kCommand1), WC_BUTTONW, L"Close", nullptr, kPictureButton, 0, 527, 104, 23, 26},
     FontKind::kNone,
     L"Close Vexar Launcher",
     LauncherControl::kClose},
    {{Id(ControlId::kCmdHelp), WC_BUTTONW, L"Manual", nullptr, kPictureButton, 0, 552, 104, 22, 26},
     FontKind::kNone,
     L"Open the Vexar Launcher Manual",
     LauncherControl::kHelp},
    {{Id(ControlId::kTxtShowNotes), WC_EDITW, L"", L"Selection notes",
      kChild | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, WS_EX_CLIENTEDGE, 48, 40, 446, 89},
     FontKind::kDefault,
     L"Selection Notes (Double click to enlarge)",
     LauncherControl::kNotes},
    {{Id(ControlId::kImgFire2), WC_STATICW, L"", nullptr, kChild | SS_OWNERDRAW, 0, 580, 8, 26, 120},
     FontKind::kNone,
     nullptr,
     std::nullopt},
    {{Id(ControlId::kImgFire1), WC_STATICW, L"", nullptr, kChild | SS_OWNERDRAW, 0, 16, 8, 26, 120},
     FontKind::kNone,
     nullptr,
     std::nullopt},
};

const MainControl* Designed(int id) {
    for (const MainControl& designed : kControls) {
        if (designed.layout.id == id) return &designed;
    }
    return nullptr;
}

bool IsPictureButton(const MainControl* designed) {
    return designed != nullptr && (designed->layout.style & BS_OWNERDRAW) == BS_OWNERDRAW &&
           designed->layout.window_class == std::wstring_view(WC_BUTTONW);
}

// Returns true when notification `code` of `control` says that it received the focus.
bool IsFocusNotification(LauncherControl control, int code) {
    switch (control) {
        case LauncherControl::kGameList:
            return code == CBN_SETFOCUS;
        case LauncherControl::kCommand:
        case LauncherControl::kNotes:
            return code == EN_SETFOCUS;
        default:
            return code == BN_SETFOCUS;
    }
}

// Returns the text of entry `index` of the combo box `list`.
std::wstring EntryText(HWND list, LRESULT index) {
    const LRESULT length = ::SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    std::wstring text(static_cast<std::size_t>(length < 0 ? 0 : length) + 1, L'\0');
    ::SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(::wcslen(text.c_str()));
    return text;
}

// Suspends a control's drawing while it lives; the control is drawn once, afterwards.
class RedrawSuspended {
public:
    explicit RedrawSuspended(HWND control) : control_(control) {
        ::SendMessageW(control_, WM_SETREDRAW, FALSE, 0);
    }
    ~RedrawSuspended() {
        ::SendMessageW(control_, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(control_, nullptr, TRUE);
    }
    RedrawSuspended(const RedrawSuspended&) = delete;
    RedrawSuspended& operator=(const RedrawSuspended&) = delete;

private:
    HWND control_;
};

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) : FramedWindow(instance) {}

void MainWindow::Create() {
    if (hwnd()) return;
    close_glyph_ = LoadJpegPicture(instance(), VEXAR_IDR_CLOSE_GLYPH);
    minimize_glyph_ = LoadJpegPicture(instance(), VEXAR_IDR_MINIMIZE_GLYPH);
    help_glyph_ = LoadBitmapPicture(instance(), VEXAR_IDB_HELP_GLYPH);
    launch_emblem_ = LoadBitmapPicture(instance(), VEXAR_IDB_LAUNCH_EMBLEM);
    pressed_emblem_ = LoadBitmapPicture(instance(), VEXAR_IDB_PRESSED_EMBLEM);
    fire_column_ = LoadBitmapPicture(instance(), VEXAR_IDB_FIRE_COLUMN);

    HWND created = CreateFrame(kClassName, Wide(kDesignedCaption).c_str(), kClientWidth, kClientHeight,
                               nullptr, Placement::kCentred, WindowDpi(nullptr));

    for (const MainControl& designed : kControls)
        FramedWindow::CreateControls(std::span(&designed.layout, 1));
    OnScaled();
    ::SendMessageW(Control(ControlId::kTxtCommand), EM_SETLIMITTEXT, 0, 0);
    // Where the system tells each window's dpi, the window takes that of its monitor.
    ScaleTo(WindowDpi(created));
}

void MainWindow::AddExtras() {
    if (tooltips_ != nullptr || !hwnd()) return;
    // The one 48 x 48 image as the big icon, scaled down by the system for the small one.
    big_icon_.reset(static_cast<HICON>(
        ::LoadImageW(instance(), MAKEINTRESOURCEW(VEXAR_IDI_PROGRAM), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR)));
    small_icon_.reset(static_cast<HICON>(::LoadImageW(instance(), MAKEINTRESOURCEW(VEXAR_IDI_PROGRAM),
                                                      IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                      ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
    if (big_icon_) ::SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icon_.get()));
    if (small_icon_)
        ::SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_.get()));

    // A tool takes its control's messages through a subclass, which costs every message to it a look-up
    // of the subclass (a wineserver round trip under Wine): the game list is filled before it has one.
    tooltips_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                  WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr, instance(), nullptr);
    if (tooltips_ == nullptr) return;
    HWND list = Control(ControlId::kTxtLauncher);
    for (const MainControl& designed : kControls) {
        if (designed.tip == nullptr) continue;
        HWND control = FramedWindow::Control(designed.layout.id);
        AddToolTip(control, designed.tip);
        // The mouse over the game list's text field is over the field's own window.
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (control == list && ::GetComboBoxInfo(control, &info) && info.hwndItem != nullptr) {
            AddToolTip(info.hwndItem, designed.tip);
        }
    }
}

void MainWindow::OnScaled() {
    list_font_ = MakeFont(kListFont.points_x100, kListFont.weight);
    command_font_ = MakeFont(kCommandFont.points_x100, kCommandFont.weight);
    default_font_ = MakeFont(kDefaultFont.points_x100, kDefaultFont.weight);
    for (const MainControl& designed : kControls) {
        const int id = designed.layout.id;
        if (designed.font == FontKind::kList) SetControlFont(id, list_font_);
        if (designed.font == FontKind::kCommand) SetControlFont(id, command_font_);
        if (designed.font == FontKind::kDefault) SetControlFont(id, default_font_);
    }
    // The game list's closed height follows from its item height plus borders that differ between
    // control versions (and the height read back need not be the one set): set, measure, correct.
    HWND list = Control(ControlId::kTxtLauncher);
    const int wanted = Scale(kClosedListHeight);
    LRESULT item_height = ::SendMessageW(list, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    for (int attempt = 0; attempt < 3 && item_height != CB_ERR; ++attempt) {
        ::SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item_height);
        RECT closed{};
        ::GetWindowRect(list, &closed);
        const int difference = wanted - (closed.bottom - closed.top);
        if (difference == 0) break;
        item_height += difference;
    }
}

void MainWindow::AddToolTip(HWND control, const wchar_t* text) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text);
    ::SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void MainWindow::Show() {
    if (!hwnd()) return;
    focus_ = Control(ControlId::kTxtLauncher);
    ::ShowWindow(hwnd(), SW_SHOW);
    ::UpdateWindow(hwnd());
    ::SetForegroundWindow(hwnd());
    if (::GetFocus() != focus_ && ::GetParent(::GetFocus()) != focus_) ::SetFocus(focus_);
    // The icons and tool tips come with the message loop's first turn: by then the painted window is on
    // the screen (Wine hands a window's drawing to the X server when its thread waits for messages).
    ::PostMessageW(hwnd(), kAddExtras, 0, 0);
}

void MainWindow::OnDestroyed() {
    tooltips_ = nullptr;
    focus_ = nullptr;
}

void MainWindow::OnDoubleClick(int id) {
    if (id == Id(ControlId::kTxtShowNotes) && Form() != nullptr) Form()->txtShowNotes_DblClick();
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wparam), HIWORD(wparam));
            return 0;
        case WM_ACTIVATE:
            // As a dialog does: the focus returns to the control that had it.
            if (LOWORD(wparam) == WA_INACTIVE) {
                HWND focus = ::GetFocus();
                if (focus != nullptr && ::IsChild(hwnd(), focus)) focus_ = focus;
            } else if (!HIWORD(wparam) && focus_ != nullptr && ::IsWindow(focus_)) {
                ::SetFocus(focus_);
                return 0;
            }
            break;
        case WM_CLOSE:
            // The close box does what the close button does: the unload, with its failure shown in a box.
            if (Form() != nullptr) Form()->Command1_Click();
            return 0;
        case WM_ACTIVATEAPP:
            // The launcher's window or its notes window became the foreground window, or another
            // program's did.
            PadFocus(wparam && !::IsIconic(hwnd()) ? PadFocus::kActivated : PadFocus::kDeactivated);
            break;
        case WM_SIZE:
            if (wparam == SIZE_MINIMIZED) PadFocus(PadFocus::kMinimized);
            if (wparam == SIZE_RESTORED && !pad_input_.Reading() && ::GetForegroundWindow() != nullptr &&
                ::GetWindowThreadProcessId(::GetForegroundWindow(), nullptr) == ::GetCurrentThreadId()) {
                PadFocus(PadFocus::kActivated);
            }
            break;
        case WM_TIMER:
            if (wparam != kPadTimer) break;
            PollPad();
            return 0;
        case WM_DEVICECHANGE:
            pad_scan_due_ = true;
            break;
        case kAddExtras:
            AddExtras();
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return ::DefWindowProcW(hwnd(), message, wparam, lparam);
}

void MainWindow::PadFocus(vexar::PadFocus event) {
    pad_input_.Focus(event);
    // No XInput (known at the first poll): no timer ever.
    const bool poll = pad_input_.Reading() && (!pads_.Loaded() || pads_.Library() != nullptr);
    if (poll) {
        pad_scan_due_ = true;
        ::SetTimer(hwnd(), kPadTimer, kPadPollMs, nullptr);
    } else {
        ::KillTimer(hwnd(), kPadTimer);
    }
}

void MainWindow::PollPad() {
    if (pads_.Library() == nullptr) {
        ::KillTimer(hwnd(), kPadTimer);
        return;
    }
    frmVexarLaunch* form = Form();
    // While a box is up, nothing of the pad counts; afterwards, not until it has been released.
    if (pad_busy_ || form == nullptr || !::IsWindowEnabled(hwnd())) {
        pad_blocked_ = true;
        return;
    }
    if (std::exchange(pad_blocked_, false)) pad_input_.Focus(PadFocus::kActivated);
    if (form->GamesStarted() != games_started_) {
        games_started_ = form->GamesStarted();
        pad_input_.Focus(PadFocus::kGameStarted);
    }
    // Only the first connected slot is read; the slots are looked through again when a device came or
    // went, and every few seconds while no pad is connected.
    const DWORD now = ::GetTickCount();
    if (!pad_slot_ && (pad_scan_due_ || static_cast<LONG>(now - next_pad_scan_) >= 0)) {
        pad_slot_ = pads_.FirstConnected();
        pad_scan_due_ = false;
        next_pad_scan_ = now + kPadScanMs;
    }
    PadReading reading;
    if (pad_slot_) {
        if (const std::optional<XINPUT_GAMEPAD> pad = pads_.State(*pad_slot_)) {
            reading = {true, pad->wButtons, pad->sThumbLY};
        } else {
            pad_slot_.reset();
            next_pad_scan_ = now + kPadScanMs;
        }
    }
    pad_busy_ = true;
    for (const PadAction action : pad_input_.Read(reading, now)) {
        if (Form() != nullptr) CarryOut(action);
    }
    pad_busy_ = false;
}

void MainWindow::CarryOut(PadAction action) {
    switch (action) {
        case PadAction::kPreviousGame:
        case PadAction::kNextGame: {
            // As the arrow keys choose in the closed list: the entry before or after the chosen one (the
            // first when none is), never past either end; a new choice runs the list's click.
            HWND list = Control(ControlId::kTxtLauncher);
            const LRESULT count = ::SendMessageW(list, CB_GETCOUNT, 0, 0);
            const LRESULT current = ::SendMessageW(list, CB_GETCURSEL, 0, 0);
            const LRESULT next = current < 0 ? 0 : current + (action == PadAction::kNextGame ? 1 : -1);
            if (next < 0 || next >= count || next == current) break;
            ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(next), 0);
            OnCommand(Id(ControlId::kTxtLauncher), CBN_SELCHANGE);
            break;
        }
        case PadAction::kLaunch:
            // A press of the launch button: it takes the focus (the control that had it loses it), then
            // clicks.
            ::SendMessageW(Control(ControlId::kCmdLaunchGame), BM_CLICK, 0, 0);
            break;
        case PadAction::kOpenNotes:
            // As a double click on the notes box: its first click gives it the focus.
            ::SetFocus(Control(ControlId::kTxtShowNotes));
            if (Form() != nullptr) Form()->txtShowNotes_DblClick();
            break;
        case PadAction::kCloseNotes:
            if (notes_ != nullptr) notes_->Command1_Click();
            break;
    }
}

void MainWindow::OnCommand(int id, int code) {
    HWND list = Control(ControlId::kTxtLauncher);
    if (id == IDOK && code == 0 && IsPictureButton(Designed(::GetDlgCtrlID(::GetFocus())))) {
        // Enter on a focused picture button presses it, as on any push button; elsewhere it presses nothing.
        id = ::GetDlgCtrlID(::GetFocus());
        code = BN_CLICKED;
    }
    frmVexarLaunch* form = Form();
    const MainControl* designed = Designed(id);
    if (form == nullptr || designed == nullptr) return;
    if (designed->control && IsFocusNotification(*designed->control, code)) {
        form->ControlFocused(*designed->control);
        return;
    }
    // An owner-drawn button reports the second click of a double click as a double click: a press too.
    const bool pressed = code == BN_CLICKED || code == BN_DOUBLECLICKED;
    switch (static_cast<ControlId>(id)) {
        case ControlId::kTxtLauncher:
            if (code == CBN_EDITCHANGE && !list_updating_) form->ListTextEdited();
            if (code == CBN_SELCHANGE) {
                const LRESULT chosen = ::SendMessageW(list, CB_GETCURSEL, 0, 0);
                if (chosen == CB_ERR) break;
                // The text field may still show the previous entry: it shows the chosen one before the
                // click runs.
                list_updating_ = true;
                ::SetWindowTextW(list, EntryText(list, chosen).c_str());
                list_updating_ = false;
                form->ListEntryChosen(static_cast<int>(chosen));
            }
            break;
        case ControlId::kCmdLaunchGame:
            if (pressed) form->cmdLaunchGame_Click();
            break;
        case ControlId::kCmdMinimize:
            if (pressed) form->cmdMinimize_Click();
            break;
        case ControlId::kCommand1:
            if (pressed) form->Command1_Click();
            break;
        case ControlId::kCmdHelp:
            if (pressed) form->cmdHelp_Click();
            break;
        default:
            break;
    }
}

void MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    switch (static_cast<ControlId>(item.CtlID)) {
        case ControlId::kCmdLaunchGame:
            DrawPictureButton(item, (item.itemState & ODS_SELECTED) ? pressed_emblem_ : launch_emblem_);
            break;
        case ControlId::kCmdMinimize:
            DrawPictureButton(item, minimize_glyph_);
            break;
        case ControlId::kCommand1:
            DrawPictureButton(item, close_glyph_);
            break;
        case ControlId::kCmdHelp:
            DrawPictureButton(item, help_glyph_);
            break;
        default:
            DrawStretched(item, fire_column_);
            break;
    }
}

void MainWindow::AddListEntries(std::span<const std::string> entries) {
    HWND list = Control(ControlId::kTxtLauncher);
    if (list == nullptr || entries.empty()) return;
    // One batch: memory for every entry at once, and no drawing until the last one is in.
    std::size_t bytes = 0;
    for (const std::string& entry : entries) bytes += (entry.size() + 1) * sizeof(wchar_t);
    ::SendMessageW(list, CB_INITSTORAGE, entries.size(), static_cast<LPARAM>(bytes));
    const RedrawSuspended quiet(list);
    for (const std::string& entry : entries) {
        const LRESULT added =
            ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
        if (added == CB_ERR || added == CB_ERRSPACE) Raise(kErrOutOfMemory);
    }
}

std::string MainWindow::ListText() const {
    return TextOf(Control(ControlId::kTxtLauncher));
}

void MainWindow::SetListText(std::string_view text) {
    HWND list = Control(ControlId::kTxtLauncher);
    if (list == nullptr) return;
    list_updating_ = true;
    ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    try {
        SetTextOf(list, text);
    } catch (...) {
        list_updating_ = false;
        throw;
    }
    list_updating_ = false;
}

std::string MainWindow::NotesText() const {
    return TextOf(Control(ControlId::kTxtShowNotes));
}

void MainWindow::SetNotesText(std::string_view text) {
    SetTextOf(Control(ControlId::kTxtShowNotes), text);
}

std::string MainWindow::CommandText() const {
    return TextOf(Control(ControlId::kTxtCommand));
}

void MainWindow::SetCommandText(std::string_view text) {
    SetTextOf(Control(ControlId::kTxtCommand), text);
}

void MainWindow::SetCaption(std::string_view caption) {
    SetTextOf(hwnd(), caption);
}

void MainWindow::Minimize() {
    if (hwnd()) ::ShowWindow(hwnd(), SW_MINIMIZE);
}

frmVexarLaunch* MainWindow::Form() const {
    return form_ != nullptr && !form_->Unloading() ? form_ : nullptr;
}

void MainWindow::Destroy() {
    DestroyNow();
}

}  // namespace vexar::win32
