#pragma once
// The system's ANSI code page (CP_ACP) through the Win32 conversion calls.

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace vexar::win32 {

// Converts between the ANSI code page and UTF-8 by way of UTF-16, with MultiByteToWideChar and
// WideCharToMultiByte; a conversion that fails raises the mapped error.
class Win32Codec : public platform::TextCodec {
public:
    Win32Codec();

    // Returns `bytes` as UTF-8: each character as the ANSI calls show it (a byte that starts no character
    // of the code page as the code page's replacement).
    std::string ToUtf8(std::string_view bytes) const override;
    // Returns `text` in the ANSI code page without best-fit look-alikes: a character the code page lacks
    // (one that does not come back from it unchanged) becomes its default character and is named in
    // `lacking`.
    platform::AnsiText FromUtf8(std::string_view text) const override;

private:
    // `wide` in the ANSI code page; `defaulted`, when given, tells whether a character became the default
    // character (for UTF-8 as the code page, which cannot tell: whether the text changed on the way).
    std::string Narrowed(std::wstring_view wide, BOOL* defaulted) const;

    // The ANSI code page is UTF-8 (65001), whose conversion takes neither flags nor a default character.
    bool utf8_;
};

}  // namespace vexar::win32
