#include "platform/messages.h"

namespace vexar {

platform::Answer MsgBox(platform::MessageBoxes& boxes, std::string_view text, platform::Icon icon,
                        platform::Buttons buttons, std::string_view title) {
    return boxes.Show(text, title.empty() ? kAppTitle : title, icon, buttons);
}

void ShowError(platform::MessageBoxes& boxes, const RuntimeError& error, std::string_view procedure_text,
               platform::Icon icon) {
    std::string text = ErrorText(error);
    text += procedure_text;
    boxes.Show(text, kErrorTitle, icon, platform::Buttons::kOk);
}

}  // namespace vexar
