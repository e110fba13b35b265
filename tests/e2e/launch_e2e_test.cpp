// The built launcher end to end, as a user meets it: started in a folder, driven with real keyboard input,
// starting the games through the real shell. The games are copies of the recorder, which leaves
// "<program>-<id>.rec" holding "<arguments>|<current directory>|<show command>" in the records folder.
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
    for (int tries = 0; !done(); ++tries, std::this_thread::sleep_for(std::chrono::milliseconds(20))) {
        if (tries == 1000) throw std::runtime_error("gave up waiting for " + what);
    }
}

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
    ~Journey() override {
        if (::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) ::TerminateProcess(process_.get(), 1);
    }

    // Starts VexarLauncher.exe (beside the test program) in the folder, waits for its window to be in front
    // with the game list focused, then presses `keys` and types `text` as the keyboard would.
    void Launch(std::initializer_list<WORD> keys, const std::string& text = {},
                std::initializer_list<WORD> then = {}) {
        const std::string exe = ProgramFolder() + "VexarLauncher.exe";
        std::string command = "\"" + exe + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        ASSERT_TRUE(::CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                     temp.Path().c_str(), &startup, &info));
        process_.reset(info.hProcess);
        const win32::UniqueHandle thread(info.hThread);
        WaitUntil(
            [&] {
                GUITHREADINFO gui{};
                gui.cbSize = sizeof gui;
                return ::GetWindowThreadProcessId(::GetForegroundWindow(), nullptr) == info.dwThreadId &&
                       ::GetGUIThreadInfo(0, &gui) &&
                       ::GetDlgCtrlID(::GetParent(gui.hwndFocus)) ==
                           static_cast<int>(win32::ControlId::kTxtLauncher);
            },
            "the launcher's window");
        std::vector<std::pair<WORD, WORD>> strokes;  // virtual key, character
        for (const WORD key : keys) strokes.emplace_back(key, 0);
        for (const char c : text) strokes.emplace_back(0, static_cast<unsigned char>(c));
        for (const WORD key : then) strokes.emplace_back(key, 0);
        for (const auto& [key, character] : strokes) {
            INPUT input[2] = {};
            for (INPUT& event : input) {
                event.type = INPUT_KEYBOARD;
                event.ki = {key, character, DWORD(character ? KEYEVENTF_UNICODE : 0), 0, 0};
            }
            input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
            ::SendInput(2, input, sizeof(INPUT));
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
        }
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
    win32::UniqueHandle process_;
};

TEST_F(Journey, KeyboardChoiceAndLaunchButtonStartTheGameWithTheTypedOptions) {
    Launch({VK_DOWN, VK_TAB}, " -typed  ", {VK_TAB, VK_SPACE});
    EXPECT_EQ(Records(1), (std::multiset<std::string>{"game|-d  -typed   -h|" + temp.Path("start") + "|1"}));
}

TEST_F(Journey, FromCdThePreparationStartsMinimisedWithTheGame) {
    temp.Write("IsCD.txt");
    Launch({VK_DOWN, VK_TAB, VK_TAB, VK_SPACE});
    EXPECT_EQ(Records(2), (std::multiset<std::string>{"game|-d -c|" + temp.Path("start") + "|1",
                                                      "prep||" + temp.Path("start") + "|2"}));
}

}  // namespace
}  // namespace vexar::testing
