#include "launcher_process.h"

#include <chrono>
#include <functional>
#include <stdexcept>
#include <thread>

#include "launcher/win32/main_window.h"
#include "real_folders.h"

namespace vexar::testing {

namespace {

void WaitUntil(const std::function<bool()>& done, const std::string& what) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            throw std::runtime_error("gave up waiting for " + what);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::string TextOf(HWND window) {
    wchar_t text[512] = {};
    ::GetWindowTextW(window, text, 512);
    char narrow[512] = {};
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

void Send(WORD key, WORD character) {
    INPUT input[2] = {};
    for (INPUT& event : input) {
        event.type = INPUT_KEYBOARD;
        event.ki.wVk = key;
        event.ki.wScan = character;
        event.ki.dwFlags = character ? KEYEVENTF_UNICODE : 0;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    if (::SendInput(2, input, sizeof(INPUT)) != 2) throw std::runtime_error("SendInput failed");
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
}

}  // namespace

LauncherProcess::LauncherProcess(const std::string& folder) {
    const std::string exe = ProgramFolder() + "VexarLauncher.exe";
    std::string command = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                          &startup, &info)) {
        throw std::runtime_error("cannot start " + exe);
    }
    process_.reset(info.hProcess);
    win32::UniqueHandle thread(info.hThread);
    id_ = info.dwProcessId;
    // Input goes to the window once it is in front and the game list holds the focus.
    WaitUntil(
        [&] {
            main_ = ::GetForegroundWindow();
            DWORD owner = 0;
            GUITHREADINFO gui{};
            gui.cbSize = sizeof gui;
            return ::GetWindowThreadProcessId(main_, &owner) && owner == id_ && ::GetGUIThreadInfo(0, &gui) &&
                   ::GetDlgCtrlID(::GetParent(gui.hwndFocus)) ==
                       static_cast<int>(win32::ControlId::kTxtLauncher);
        },
        "the launcher's window");
}

LauncherProcess::~LauncherProcess() {
    if (process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(process_.get(), 1);
        ::WaitForSingleObject(process_.get(), 10000);
    }
}

void LauncherProcess::Keys(std::initializer_list<WORD> keys) const {
    for (const WORD key : keys) Send(key, 0);
}

void LauncherProcess::Type(const std::string& text) const {
    for (const char c : text) Send(0, static_cast<unsigned char>(c));
}

std::string LauncherProcess::BoxText() const {
    HWND box = nullptr;
    WaitUntil(
        [&] {
            box = ::GetForegroundWindow();
            DWORD owner = 0;
            ::GetWindowThreadProcessId(box, &owner);
            return owner == id_ && box != main_ && ::GetDlgItem(box, 0xFFFF) != nullptr;
        },
        "a message box");
    return TextOf(::GetDlgItem(box, 0xFFFF));
}

void LauncherProcess::AwaitCaption(const std::string& caption) const {
    WaitUntil([&] { return TextOf(main_) == caption; },
              "the caption " + caption + " (it is " + TextOf(main_) + ")");
}

void LauncherProcess::Close() {
    ::PostMessageW(main_, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process_.get(), 20000) != WAIT_OBJECT_0)
        throw std::runtime_error("the launcher stays");
}

std::multiset<std::string> WaitForRecords(const std::string& folder, std::size_t count) {
    std::multiset<std::string> records;
    WaitUntil(
        [&] {
            records.clear();
            WIN32_FIND_DATAA entry{};
            const win32::UniqueFind find(::FindFirstFileA((folder + "*.rec").c_str(), &entry));
            for (bool more = static_cast<bool>(find); more; more = ::FindNextFileA(find.get(), &entry)) {
                const std::string name = entry.cFileName;
                records.insert(name.substr(0, name.find('-')) + "|" + ReadBytes(folder + name).value_or("?"));
            }
            return records.size() >= count;
        },
        "the started programs' records");
    return records;
}

}  // namespace vexar::testing
