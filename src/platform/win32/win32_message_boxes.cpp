#include "platform/win32/win32_message_boxes.h"

#include "platform/win32/error_map.h"
#include "platform/win32/wide_text.h"

namespace vexar::win32 {

namespace {

UINT IconStyle(platform::Icon icon) {
    switch (icon) {
        case platform::Icon::kCritical:
            return MB_ICONERROR;
        case platform::Icon::kQuestion:
            return MB_ICONQUESTION;
        case platform::Icon::kWarning:
            return MB_ICONWARNING;
        case platform::Icon::kInformation:
            return MB_ICONINFORMATION;
        case platform::Icon::kNone:
            break;
    }
    return 0;
}

UINT ButtonStyle(platform::Buttons buttons) {
    switch (buttons) {
        case platform::Buttons::kYesNo:
            return MB_YESNO;
        case platform::Buttons::kYesNoCancel:
            return MB_YESNOCANCEL;
        case platform::Buttons::kOk:
            break;
    }
    return MB_OK;
}

}  // namespace

platform::Answer AnswerOf(int pressed, platform::Buttons buttons) {
    switch (pressed) {
        case IDYES:
            return platform::Answer::kYes;
        case IDNO:
            return platform::Answer::kNo;
        case 0:
            RaiseLastError();
        case IDCANCEL:
            if (buttons == platform::Buttons::kYesNoCancel) return platform::Answer::kCancel;
            [[fallthrough]];
        default:
            // An OK box closed in any way counts as OK; a Yes/No box cannot close otherwise.
            return buttons == platform::Buttons::kYesNo ? platform::Answer::kNo : platform::Answer::kOk;
    }
}

platform::Answer Win32MessageBoxes::Show(std::string_view text, std::string_view title, platform::Icon icon,
                                         platform::Buttons buttons) {
    const UINT style = IconStyle(icon) | ButtonStyle(buttons);
    const int pressed = ::MessageBoxW(::GetActiveWindow(), Wide(text).c_str(), Wide(title).c_str(), style);
    return AnswerOf(pressed, buttons);
}

}  // namespace vexar::win32
