#include "launcher/gamepad.h"

#include <cstdlib>

namespace vexar {

void GamepadInput::Focus(PadFocus event) {
    switch (event) {
        case PadFocus::kActivated:
            foreground_ = true;
            awaiting_release_ = true;
            if (lost_since_start_) game_started_ = lost_since_start_ = false;
            break;
        case PadFocus::kDeactivated:
        case PadFocus::kMinimized:
            foreground_ = false;
            lost_since_start_ = game_started_;
            break;
        case PadFocus::kGameStarted:
            game_started_ = true;
            lost_since_start_ = false;
            break;
    }
}

GamepadInput::Direction GamepadInput::DirectionOf(const PadReading& reading) {
    const bool up = (reading.buttons & kPadUp) != 0 || reading.left_y > kPadStickDeadZone;
    const bool down = (reading.buttons & kPadDown) != 0 || reading.left_y < -kPadStickDeadZone;
    if (up == down) return Direction::kNone;
    return up ? Direction::kUp : Direction::kDown;
}

std::vector<PadAction> GamepadInput::Read(const PadReading& reading, std::uint32_t now_ms) {
    std::vector<PadAction> actions;
    if (!foreground_ || game_started_) return actions;
    if (!reading.connected) {
        // A pad that is gone holds nothing, and one that comes back counts once it has been released.
        buttons_ = 0;
        held_ = Direction::kNone;
        awaiting_release_ = true;
        return actions;
    }
    const Direction direction = DirectionOf(reading);
    if (awaiting_release_) {
        if (reading.buttons != 0 || std::abs(reading.left_y) > kPadStickDeadZone) return actions;
        awaiting_release_ = false;
    }
    const std::uint16_t pressed = reading.buttons & ~buttons_;
    buttons_ = reading.buttons;

    const bool repeat_due = static_cast<std::int32_t>(now_ms - next_repeat_ms_) >= 0;
    if (direction != Direction::kNone && (direction != held_ || repeat_due)) {
        actions.push_back(direction == Direction::kUp ? PadAction::kPreviousGame : PadAction::kNextGame);
        next_repeat_ms_ = now_ms + (direction != held_ ? kRepeatDelayMs : kRepeatIntervalMs);
    }
    held_ = direction;
    if (pressed & kPadY) actions.push_back(PadAction::kOpenNotes);
    if (pressed & kPadB) actions.push_back(PadAction::kCloseNotes);
    // The launch last: the window may be left for the game.
    if (pressed & kPadA) actions.push_back(PadAction::kLaunch);
    return actions;
}

}  // namespace vexar
