#pragma once
// The message-box conventions of both windows and the file utilities: the application title, the title
// of error boxes and the common error report. What a box says is its caller's.

#include <string>
#include <string_view>

#include "platform/errors.h"
#include "platform/platform.h"

namespace vexar {

// The title of a message box whose title is not given.
inline constexpr std::string_view kAppTitle = "VexarLaunch";
// The title of every error box of the two windows.
inline constexpr std::string_view kErrorTitle = "Error !";

// Shows `text` titled `title` (the application title when empty); returns the button pressed.
platform::Answer MsgBox(platform::MessageBoxes& boxes, std::string_view text,
                        platform::Icon icon = platform::Icon::kNone,
                        platform::Buttons buttons = platform::Buttons::kOk, std::string_view title = {});

// Shows the common error report: "number description" + `procedure_text`, titled "Error !", OK button,
// with `icon` (the critical icon unless a handler says otherwise).
void ShowError(platform::MessageBoxes& boxes, const RuntimeError& error, std::string_view procedure_text,
               platform::Icon icon = platform::Icon::kCritical);

}  // namespace vexar
