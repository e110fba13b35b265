#pragma once
// Test support for the window tests: runs the real launcher as a separate process, finds its windows,
// drives them with mouse and keyboard input as a person would (SendInput), and reads controls from
// outside through their wide-character messages. Waits are bounded polls; failures throw
// std::runtime_error naming what was awaited.

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "launcher/win32/main_window.h"
#include "platform/win32/handles.h"

namespace vexar::testing {

// Polls `done` every 20 ms until it returns true; throws naming `what` once `limit` has passed.
void WaitUntil(const std::function<bool()>& done, std::string_view what,
               std::chrono::milliseconds limit = std::chrono::seconds(20));

// The text of `window` (WM_GETTEXT, wide form) converted to the ANSI code page.
std::string WindowText(HWND window);

// Clicks the left mouse button at (x, y) of `window`'s client area; by default at its centre.
void Click(HWND window, int x = -1, int y = -1);
// Types `text` (ANSI) into whichever control has the keyboard focus, one keystroke per character.
void Type(std::string_view text);

// A message box of the launcher, as the test found it on the screen.
struct FoundBox {
    HWND window = nullptr;
    std::string title;
    std::string text;
};

// The launcher's program running in a folder of the test's; ended when the object is destroyed.
class LauncherProcess {
  public:
    // Starts `exe` with `folder` as its current directory and waits for its main window to be shown.
    LauncherProcess(const std::string& exe, const std::string& folder);
    ~LauncherProcess();
    LauncherProcess(const LauncherProcess&) = delete;
    LauncherProcess& operator=(const LauncherProcess&) = delete;

    HWND main() const { return main_; }
    // Returns the main window's control `id`.
    HWND Control(win32::ControlId id) const;

    // Returns the message box the launcher shows, waiting for it to appear.
    FoundBox WaitForBox() const;
    // Returns true when the launcher shows a message box right now.
    bool ShowsBox() const;
    // Clicks the box's button `button` (IDOK, IDYES, IDNO) and waits for the box to go.
    void PressBoxButton(const FoundBox& box, int button) const;

    // Opens the game list's drop-down part and clicks entry `position` (0-based).
    void ChooseEntry(int position) const;

    // Closes the main window as its close box would and waits for the program to end.
    void Close();

  private:
    HWND FindBox() const;

    win32::UniqueProcess process_;
    DWORD process_id_ = 0;
    HWND main_ = nullptr;
};

}  // namespace vexar::testing
