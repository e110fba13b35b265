#include "gui_driver.h"

#include <stdexcept>
#include <thread>
#include <vector>

#include "window_fixture.h"

namespace vexar::testing {

namespace {

std::string ToAnsi(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int size = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr,
                          nullptr);
    return out;
}

// The visible top-level windows of process `process_id` with class `class_name`.
std::vector<HWND> TopLevelWindows(DWORD process_id, const wchar_t* class_name) {
    struct Search {
        DWORD process_id;
        const wchar_t* class_name;
        std::vector<HWND> found;
    } search{process_id, class_name, {}};
    ::EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == s.process_id && ::IsWindowVisible(window) && ClassOf(window) == s.class_name) {
                s.found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Send(std::vector<INPUT> inputs) {
    const UINT sent = ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    if (sent != inputs.size()) throw std::runtime_error("SendInput failed");
}

INPUT KeyInput(WORD key, WORD scan, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    return input;
}

}  // namespace

void WaitUntil(const std::function<bool()>& done, std::string_view what, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            throw std::runtime_error("gave up waiting for " + std::string(what));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::string WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) {
        throw std::runtime_error("WM_GETTEXTLENGTH got no answer");
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                               SMTO_ABORTIFHUNG, 5000, &copied)) {
        throw std::runtime_error("WM_GETTEXT got no answer");
    }
    text.resize(copied);
    return ToAnsi(text);
}

void Click(HWND window, int x, int y) {
    RECT client{};
    if (!::GetClientRect(window, &client)) throw std::runtime_error("GetClientRect failed");
    POINT point{x < 0 ? client.right / 2 : x, y < 0 ? client.bottom / 2 : y};
    ::ClientToScreen(window, &point);
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    // Every event carries the position: a button event without MOUSEEVENTF_MOVE would happen wherever
    // the pointer is, and Wine may still move it back to where the X server last saw it.
    auto at = [&](DWORD flags) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = static_cast<LONG>((point.x * 65535 + (width - 1) / 2) / (width - 1));
        input.mi.dy = static_cast<LONG>((point.y * 65535 + (height - 1) / 2) / (height - 1));
        input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        return input;
    };
    Send({at(0)});
    WaitUntil(
        [&] {
            POINT now{};
            return ::GetCursorPos(&now) && now.x == point.x && now.y == point.y;
        },
        "the mouse pointer to arrive");
    Send({at(MOUSEEVENTF_LEFTDOWN), at(MOUSEEVENTF_LEFTUP)});
}

void Type(std::string_view text) {
    for (const char c : text) {
        wchar_t wide = 0;
        ::MultiByteToWideChar(CP_ACP, 0, &c, 1, &wide, 1);
        Send({KeyInput(0, wide, KEYEVENTF_UNICODE), KeyInput(0, wide, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)});
    }
}

LauncherProcess::LauncherProcess(const std::string& exe, const std::string& folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string command_line = "\"" + exe + "\"";
    if (!::CreateProcessA(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &info)) {
        throw std::runtime_error("cannot start " + exe + ": error " + std::to_string(::GetLastError()));
    }
    process_.reset(info.hProcess);
    win32::UniqueProcess thread(info.hThread);
    process_id_ = info.dwProcessId;
    WaitUntil(
        [&] {
            const auto windows = TopLevelWindows(process_id_, win32::MainWindow::kClassName);
            if (windows.empty()) return false;
            main_ = windows.front();
            return true;
        },
        "the launcher's main window");
    // Input is sent only once the window is in front and the game list has the focus: an activation
    // that arrives late would close a drop-down part opened before it.
    WaitUntil(
        [&] {
            GUITHREADINFO gui{};
            gui.cbSize = sizeof gui;
            const DWORD ui_thread = ::GetWindowThreadProcessId(main_, nullptr);
            if (::GetForegroundWindow() != main_ || !::GetGUIThreadInfo(ui_thread, &gui)) return false;
            HWND list = Control(win32::ControlId::kTxtLauncher);
            return gui.hwndActive == main_ && (gui.hwndFocus == list || ::GetParent(gui.hwndFocus) == list);
        },
        "the launcher's window in front with the game list focused");
}

LauncherProcess::~LauncherProcess() {
    if (!process_) return;
    if (::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        // A test that failed half-way may leave a box open: the program is ended rather than asked.
        ::TerminateProcess(process_.get(), 1);
        ::WaitForSingleObject(process_.get(), 10000);
    }
}

HWND LauncherProcess::Control(win32::ControlId id) const {
    HWND control = ::GetDlgItem(main_, static_cast<int>(id));
    if (control == nullptr) throw std::runtime_error("no control " + std::to_string(static_cast<int>(id)));
    return control;
}

HWND LauncherProcess::FindBox() const {
    const auto boxes = TopLevelWindows(process_id_, L"#32770");
    return boxes.empty() ? nullptr : boxes.front();
}

bool LauncherProcess::ShowsBox() const {
    return FindBox() != nullptr;
}

FoundBox LauncherProcess::WaitForBox() const {
    // A box is read once it is in front and two reads agree: read the moment it became visible, a box
    // once reported its message text as its caption.
    FoundBox found;
    WaitUntil(
        [&] {
            HWND box = FindBox();
            if (box == nullptr || ::GetForegroundWindow() != box) return false;
            // The text sits in the box's static control with identifier 0xFFFF.
            HWND text = ::GetDlgItem(box, 0xFFFF);
            FoundBox now{box, WindowText(box), text != nullptr ? WindowText(text) : std::string()};
            const bool settled =
                now.window == found.window && now.title == found.title && now.text == found.text;
            found = std::move(now);
            return settled;
        },
        "a message box");
    return found;
}

void LauncherProcess::PressBoxButton(const FoundBox& box, int button) const {
    HWND control = ::GetDlgItem(box.window, button);
    if (control == nullptr) throw std::runtime_error("the box has no button " + std::to_string(button));
    Click(control);
    WaitUntil([&] { return !::IsWindow(box.window) || !::IsWindowVisible(box.window); }, "the box to close");
}

void LauncherProcess::ChooseEntry(int position) const {
    HWND list = Control(win32::ControlId::kTxtLauncher);
    RECT client{};
    ::GetClientRect(list, &client);
    // The drop-down button sits at the right end of the combo box.
    Click(list, client.right - ::GetSystemMetrics(SM_CXVSCROLL) / 2 - 1, client.bottom / 2);
    HWND dropped = nullptr;
    WaitUntil(
        [&] {
            const auto lists = TopLevelWindows(process_id_, L"ComboLBox");
            dropped = lists.empty() ? nullptr : lists.front();
            return dropped != nullptr;
        },
        "the game list's drop-down part");
    DWORD_PTR dropped_state = 0;
    ::SendMessageTimeoutW(list, CB_GETDROPPEDSTATE, 0, 0, SMTO_ABORTIFHUNG, 5000, &dropped_state);
    if (dropped_state == 0) throw std::runtime_error("the drop-down part closed before an entry was clicked");
    DWORD_PTR item_height = 0;
    ::SendMessageTimeoutW(dropped, LB_GETITEMHEIGHT, 0, 0, SMTO_ABORTIFHUNG, 5000, &item_height);
    if (item_height == 0) throw std::runtime_error("the drop-down list reports no item height");
    Click(dropped, 10, static_cast<int>(item_height) * position + static_cast<int>(item_height) / 2);
    WaitUntil([&] { return !::IsWindowVisible(dropped); }, "the drop-down part to close");
    DWORD_PTR chosen = 0;
    ::SendMessageTimeoutW(list, CB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &chosen);
    if (static_cast<int>(chosen) != position) {
        throw std::runtime_error("the click chose entry " + std::to_string(static_cast<int>(chosen)) +
                                 " instead of " + std::to_string(position));
    }
}

void LauncherProcess::Close() {
    ::PostMessageW(main_, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process_.get(), 20000) != WAIT_OBJECT_0) {
        throw std::runtime_error("the launcher did not end after its window was closed");
    }
}

}  // namespace vexar::testing
