#pragma once
// The built launcher as a user meets it: started in a folder of the test's, driven with real keyboard
// input, read from outside. Waits are bounded; a wait that runs out throws std::runtime_error.

#include <windows.h>

#include <initializer_list>
#include <set>
#include <string>

#include "platform/win32/handles.h"

namespace vexar::testing {

class LauncherProcess {
public:
    // Starts VexarLauncher.exe (beside the test program) in `folder` and waits for its window to be in
    // front with the game list focused.
    explicit LauncherProcess(const std::string& folder);
    // Ends the program if it still runs.
    ~LauncherProcess();

    // Presses each key in turn, as the keyboard would.
    void Keys(std::initializer_list<WORD> keys) const;
    // Types `text` as characters.
    void Type(const std::string& text) const;
    // Returns the text of the message box the launcher shows, once it is in front.
    std::string BoxText() const;
    // Waits for the main window's caption to be `caption`.
    void AwaitCaption(const std::string& caption) const;
    // Closes the main window as its close box does and waits for the program to end.
    void Close();

private:
    win32::UniqueHandle process_;
    DWORD id_ = 0;
    HWND main_ = nullptr;
};

// Returns the records (see arg_recorder.cpp) in `folder` once there are `count` of them, sorted.
std::multiset<std::string> WaitForRecords(const std::string& folder, std::size_t count);

}  // namespace vexar::testing
