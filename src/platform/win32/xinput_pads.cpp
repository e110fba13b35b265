#include "platform/win32/xinput_pads.h"

#include "platform/win32/system_library.h"

namespace vexar::win32 {

const wchar_t* XInputPads::Library() {
    if (loaded_) return library_;
    loaded_ = true;
    for (const wchar_t* dll : {L"xinput1_4.dll", L"xinput9_1_0.dll"}) {
        get_state_ = SystemFunctionOf<decltype(::XInputGetState)>(dll, "XInputGetState");
        if (get_state_ != nullptr) return library_ = dll;
    }
    return nullptr;
}

std::optional<XINPUT_GAMEPAD> XInputPads::State(DWORD slot) {
    XINPUT_STATE state{};
    if (Library() == nullptr || get_state_(slot, &state) != ERROR_SUCCESS) return std::nullopt;
    return state.Gamepad;
}

std::optional<DWORD> XInputPads::FirstConnected() {
    for (DWORD slot = 0; slot < kSlots; ++slot) {
        if (State(slot)) return slot;
    }
    return std::nullopt;
}

}  // namespace vexar::win32
