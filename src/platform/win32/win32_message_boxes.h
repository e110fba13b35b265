#pragma once
// Modal message boxes through MessageBoxW; the texts' meaning and titles are the caller's.

#include <windows.h>

#include "platform/platform.h"

namespace vexar::win32 {

class Win32Codec;

// Shows each box with MessageBoxW, the ANSI texts converted by the codec, owned by the window set with
// SetOwner or else by the thread's active window.
class Win32MessageBoxes : public platform::MessageBoxes {
public:
    explicit Win32MessageBoxes(const platform::TextCodec& codec) : codec_(codec) {}

    // Returns once `owner` (null: the active window at each box) owns the boxes shown from now on.
    void SetOwner(HWND owner) noexcept { owner_ = owner; }

    // Returns the button pressed; raises the mapped error when the box cannot be shown.
    platform::Answer Show(std::string_view text, std::string_view title, platform::Icon icon,
                          platform::Buttons buttons) override;

private:
    const platform::TextCodec& codec_;
    HWND owner_ = nullptr;
};

}  // namespace vexar::win32
