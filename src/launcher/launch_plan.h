#pragma once
// What one press of the launch button does, computed from the current game, the command box's text and
// the mode: the parameter string, an optional request for the CD preparation program, then either the
// game's request or the preview text. Handing the requests to the shell is the caller's.

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

}  // namespace vexar
