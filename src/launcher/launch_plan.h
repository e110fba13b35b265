#pragma once
// What one press of the launch button does, computed from the current game, the command box's text and
// the mode: the parameter string, an optional request for the CD preparation program, then either the
// game's request or the preview text; and the one way a plan's requests go to the shell. What to do with
// a preview or a refusal is the caller's.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "launcher/game_config.h"
#include "platform/platform.h"

namespace vexar {

enum class LaunchMode { kHardDrive, kCd };

// The notes-box text that a press with "Show Parameters" shows instead of opening the game.
struct Preview {
    std::string text;

    friend bool operator==(const Preview&, const Preview&) = default;
};

struct LaunchPlan {
    // strCommandLine: default parameters, typed options and the mode's parameters, each piece after a
    // blank when it is not empty.
    std::string command_line;
    // Opened first, minimised: the CD preparation program (CD mode, when one is set).
    std::optional<platform::ShellRequest> preparation;
    // Then the game's request, or the preview.
    std::variant<platform::ShellRequest, Preview> action;
};

// Returns the plan of a press with `game` current, `typed` in the command box, in `mode`.
LaunchPlan PlanLaunch(const GameConfig& game, std::string_view typed, LaunchMode mode);

// Told of a request the shell refused, with the shell's reason, before the next request goes.
using ShellRefused = std::function<void(const platform::ShellRequest& request, const std::string& reason)>;

// What a box says of a request the shell refused with `reason`: "Windows could not open "FILE" in the
// folder "DIRECTORY": REASON".
std::string ShellRefusalText(const platform::ShellRequest& request, std::string_view reason);

// Hands `plan`'s requests to `shell` in order - the preparation program first, then the game (nothing
// more for a preview) - telling `refused`, if any, of each refusal. Returns true when the shell took
// every request.
bool OpenPlan(platform::Shell& shell, const LaunchPlan& plan, const ShellRefused& refused = {});

}  // namespace vexar
