// The built launcher end to end, as a user meets it: started in a folder, driven with real keyboard
// input, starting the games through the real shell; the recorder tells how each program was started.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <set>
#include <thread>

#include "config_text.h"
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
    char text[256] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

// VexarLauncher.exe (beside the test program) running in a folder; ended if it still runs when it goes.
class LauncherProcess {
public:
    // Starts it and waits for its window to be in front with the game list focused.
    explicit LauncherProcess(const std::string& folder) {
        const std::string exe = ProgramFolder() + "VexarLauncher.exe";
        std::string command = "\"" + exe + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!::CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              folder.c_str(), &startup, &info)) {
            throw std::runtime_error("cannot start " + exe);
        }
        process_.reset(info.hProcess);
        win32::UniqueHandle thread(info.hThread);
        WaitUntil(
            [&] {
                GUITHREADINFO gui{};
                gui.cbSize = sizeof gui;
                main_ = ::GetForegroundWindow();
                return ::GetWindowThreadProcessId(main_, nullptr) == info.dwThreadId &&
                       ::GetGUIThreadInfo(0, &gui) &&
                       ::GetDlgCtrlID(::GetParent(gui.hwndFocus)) ==
                           static_cast<int>(win32::ControlId::kTxtLauncher);
            },
            "the launcher's window");
    }
    ~LauncherProcess() {
        if (::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) ::TerminateProcess(process_.get(), 1);
    }

    // Presses `keys` in turn, then types `text`, as the keyboard would.
    void Keys(std::initializer_list<WORD> keys, const std::string& text = {}) const {
        std::vector<std::pair<WORD, WORD>> strokes;  // virtual key, character
        for (const WORD key : keys) strokes.emplace_back(key, 0);
        for (const char c : text) strokes.emplace_back(0, static_cast<unsigned char>(c));
        for (const auto& [key, character] : strokes) {
            INPUT input[2] = {};
            for (INPUT& event : input) {
                event.type = INPUT_KEYBOARD;
                event.ki.wVk = key;
                event.ki.wScan = character;
                event.ki.dwFlags = character ? KEYEVENTF_UNICODE : 0;
            }
            input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
            ::SendInput(2, input, sizeof(INPUT));
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
        }
    }
    // Waits for the text of a message box in front, then for the main window's caption.
    void Await(const std::string& box, const std::string& caption) const {
        if (!box.empty())
            WaitUntil([&] { return TextOf(::GetDlgItem(::GetForegroundWindow(), 0xFFFF)) == box; }, box);
        WaitUntil([&] { return TextOf(main_) == caption; }, "the caption " + caption);
    }
    // Closes the window as its close box does and waits for the program to end.
    void Close() {
        ::PostMessageW(main_, WM_CLOSE, 0, 0);
        ASSERT_EQ(::WaitForSingleObject(process_.get(), 20000), WAIT_OBJECT_0);
    }

private:
    win32::UniqueHandle process_;
    HWND main_ = nullptr;
};

// A folder with a game whose program and CD preparation program are copies of the recorder, which leaves
// "<program>-<id>.rec" holding "<arguments>|<current directory>|<show command>" in the records folder.
class Journey : public ::testing::Test {
protected:
    Journey() {
        temp.Folder("Configs");
        temp.Folder("start");
        for (const char* program : {"game.exe", "prep.exe"}) {
            ::CopyFileA((ProgramFolder() + "arg_recorder.exe").c_str(), temp.Path(program).c_str(), FALSE);
        }
        temp.Write("Configs\\game.cfg",
                   ConfigText(ConfigValues{"Recorder", "notes", temp.Path("start"), temp.Path("game.exe"),
                                           "-d", "-h", temp.Path("prep.exe"), "-c"}));
        ::SetEnvironmentVariableA("VEXAR_RECORD_DIR", temp.Folder("records").append("\\").c_str());
    }
    // Returns "<program>|<record>" for each of `count` records, once they are there.
    std::multiset<std::string> Records(std::size_t count) const {
        std::multiset<std::string> records;
        WaitUntil(
            [&] {
                records.clear();
                WIN32_FIND_DATAA entry{};
                const win32::UniqueFind find(::FindFirstFileA(temp.Path("records\\*.rec").c_str(), &entry));
                for (bool more = static_cast<bool>(find); more; more = ::FindNextFileA(find.get(), &entry)) {
                    const std::string name = entry.cFileName;
                    records.insert(name.substr(0, name.find('-')) + "|" +
                                   *ReadBytes(temp.Path("records\\" + name)));
                }
                return records.size() >= count;
            },
            "the started programs' records");
        return records;
    }

    TempFolder temp;
};

TEST_F(Journey, KeyboardChoiceAndLaunchButtonStartTheGameWithTheTypedOptions) {
    LauncherProcess launcher(temp.Path());
    launcher.Keys({VK_DOWN, VK_TAB}, " -typed  ");
    launcher.Keys({VK_TAB, VK_SPACE});
    EXPECT_EQ(Records(1), (std::multiset<std::string>{"game|-d  -typed   -h|" + temp.Path("start") + "|1"}));
}

TEST_F(Journey, FromCdThePreparationStartsMinimisedWithTheGame) {
    temp.Write("IsCD.txt");
    LauncherProcess launcher(temp.Path());
    launcher.Keys({VK_DOWN, VK_TAB, VK_TAB, VK_SPACE});
    EXPECT_EQ(Records(2), (std::multiset<std::string>{"game|-d -c|" + temp.Path("start") + "|1",
                                                      "prep||" + temp.Path("start") + "|2"}));
}

TEST_F(Journey, SetTitleNamesTheWindowAndTheNextStartKeepsIt) {
    LauncherProcess first(temp.Path());
    first.Keys({VK_TAB}, "SetTitle My Games");
    first.Keys({VK_TAB});
    first.Await("Title set to My Games", "Vexar Launcher v3.0");
    first.Keys({VK_RETURN});
    first.Await("", "My Games");
    first.Close();
    LauncherProcess(temp.Path()).Await("", "My Games");
}

}  // namespace
}  // namespace vexar::testing
