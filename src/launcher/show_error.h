#pragma once
// The launcher's message-box conventions: the application title and the common error report.

#include <string>
#include <string_view>

#include "platform/errors.h"
#include "platform/platform.h"

namespace vexar {

// The title of a message box whose title is not given.
inline constexpr std::string_view kAppTitle = "VexarLaunch";
// The title of every error box of the two windows.
inline constexpr std::string_view kErrorTitle = "Error !";

// Shows `text` with the application title; returns the button pressed.
platform::Answer MsgBox(platform::MessageBoxes& boxes, std::string_view text,
                        platform::Icon icon = platform::Icon::kNone,
                        platform::Buttons buttons = platform::Buttons::kOk, std::string_view title = {});

// The common error report: "number description" + `procedure_text`, titled "Error !", OK button,
// with `icon` (the critical icon unless a handler says otherwise).
void ShowError(platform::MessageBoxes& boxes, const RuntimeError& error, std::string_view procedure_text,
               platform::Icon icon = platform::Icon::kCritical);

}  // namespace vexar
