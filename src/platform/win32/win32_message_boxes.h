#pragma once
// Modal message boxes through MessageBoxW; the texts' meaning and titles are the caller's.

#include <windows.h>

#include "platform/platform.h"

namespace vexar::win32 {

// Shows each box with MessageBoxW, its texts from UTF-8, owned by the thread's active window.
class Win32MessageBoxes : public platform::MessageBoxes {
public:
    // Returns the button pressed; raises the mapped error when the box cannot be shown.
    platform::Answer Show(std::string_view text, std::string_view title, platform::Icon icon,
                          platform::Buttons buttons) override;
};

// Returns the answer for MessageBoxW's result `pressed` on a box with `buttons`; raises the thread's last
// error for 0 (no box was shown), so that a failure can never read as Yes.
platform::Answer AnswerOf(int pressed, platform::Buttons buttons);

}  // namespace vexar::win32
