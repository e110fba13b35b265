#pragma once
// The launcher's UTF-8 texts as Windows' wide calls take them (wchar_t is UTF-16 on Windows), and back.
// The conversions are utf.h's, so an unpaired surrogate in a file name comes back unchanged.

#include <string>
#include <string_view>

#include "platform/utf.h"

namespace vexar::win32 {

// `text` (UTF-8) as UTF-16.
inline std::wstring Wide(std::string_view text) {
    const std::u16string wide = utf::ToUtf16(text, utf::LoneSurrogate::kKeep);
    return std::wstring(wide.begin(), wide.end());
}

// `text` (UTF-16) as UTF-8.
inline std::string Utf8(std::wstring_view text) {
    return utf::FromUtf16(std::u16string(text.begin(), text.end()), utf::LoneSurrogate::kKeep);
}

}  // namespace vexar::win32
