#pragma once
// XInput, the gamepad interface of Windows, found at its first use: XInput 1.4 (Windows 8 and later), else
// XInput 9.1.0 (Windows Vista and 7), each loaded by its full path from the system folder - never from the
// program's folder or the disc it runs from. Without either there are no pads, and nothing says so.

#include <windows.h>

#include <xinput.h>

#include <optional>

namespace vexar::win32 {

// The XInput loaded stays loaded until the process ends: the first State may start threads of XInput's
// own (Wine's does) that run on in its code after the object is gone. Loading it starts nothing.
class XInputPads {
public:
    // XInput's number of pad slots.
    static constexpr DWORD kSlots = XUSER_MAX_COUNT;

    // The file name of the XInput loaded from the system folder ("xinput1_4.dll" ...), or null when
    // there is none. The first call loads it.
    const wchar_t* Library();
    // True once Library has been called.
    bool Loaded() const { return loaded_; }
    // The state of the pad in `slot`, or none when no pad is connected there (or there is no XInput).
    std::optional<XINPUT_GAMEPAD> State(DWORD slot);
    // The first slot with a pad connected, or none.
    std::optional<DWORD> FirstConnected();

private:
    bool loaded_ = false;
    const wchar_t* library_ = nullptr;
    decltype(&::XInputGetState) get_state_ = nullptr;
};

}  // namespace vexar::win32
