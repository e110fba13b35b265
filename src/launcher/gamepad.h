#pragma once
// GamepadInput: what a gamepad's readings mean to the launcher. Fed with the pad's state at each poll and
// with the window's focus changes, it returns the actions to carry out: previous or next game, launch,
// close or open the notes window. Only a press counts (released to pressed), never a held button; a held
// direction repeats after a first delay at a steady rate. Nothing counts while the launcher is not the
// foreground window, after it became the foreground window until the pad is released, and after a game was
// started until the window has lost and regained the foreground. Reading the pad is the window's.

#include <cstdint>
#include <vector>

namespace vexar {

// The pad's buttons, as XInput's button mask numbers them.
inline constexpr std::uint16_t kPadUp = 0x0001;
inline constexpr std::uint16_t kPadDown = 0x0002;
inline constexpr std::uint16_t kPadA = 0x1000;
inline constexpr std::uint16_t kPadB = 0x2000;
inline constexpr std::uint16_t kPadY = 0x8000;
// XInput's dead zone of the left stick: a position this far from the centre or nearer is the centre.
inline constexpr int kPadStickDeadZone = 7849;

// One reading of the pad.
struct PadReading {
    bool connected = false;
    std::uint16_t buttons = 0;
    std::int16_t left_y = 0;  // the left stick's position, up positive
};

enum class PadAction { kPreviousGame, kNextGame, kLaunch, kCloseNotes, kOpenNotes };

enum class PadFocus {
    kActivated,    // the launcher's window or its notes window became the foreground window
    kDeactivated,  // another program's window became the foreground window
    kMinimized,    // the launcher's window was minimised
    kGameStarted,  // the launcher started a game
};

class GamepadInput {
public:
    // A held direction repeats this long after its press, then at this interval.
    static constexpr std::uint32_t kRepeatDelayMs = 400;
    static constexpr std::uint32_t kRepeatIntervalMs = 120;

    void Focus(PadFocus event);
    // True while the pad is to be read: the launcher is the foreground window and not minimised.
    bool Reading() const { return foreground_; }
    // Returns the actions `reading`, taken at `now_ms` (a millisecond clock that may wrap), asks for.
    std::vector<PadAction> Read(const PadReading& reading, std::uint32_t now_ms);

private:
    enum class Direction { kNone, kUp, kDown };
    static Direction DirectionOf(const PadReading& reading);

    bool foreground_ = false;
    // Nothing counts until the pad has been seen released, since the window became the foreground window.
    bool awaiting_release_ = true;
    // A game was started: nothing counts until the window has lost and regained the foreground.
    bool game_started_ = false;
    bool lost_since_start_ = false;
    std::uint16_t buttons_ = 0;
    Direction held_ = Direction::kNone;
    std::uint32_t next_repeat_ms_ = 0;
};

}  // namespace vexar
