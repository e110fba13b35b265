#pragma once
// The system's ANSI code page (CP_ACP) through the Win32 conversion calls.

#include <array>

#include "platform/platform.h"

namespace vexar::win32 {

// Converts between the ANSI code page and UTF-16 with MultiByteToWideChar/WideCharToMultiByte; the
// byte-by-byte table of a single-byte code page is built once, when the object is made.
class Win32Codec : public platform::TextCodec {
public:
    // Reads the code page's properties; raises the mapped error when the system cannot say.
    Win32Codec();

    // Returns true when the ANSI code page has at most one byte per character.
    bool IsSingleByte() const override { return single_byte_; }
    // Returns the byte's character from the table (in a multi-byte code page: the byte's own value).
    char16_t Widen(unsigned char byte) const override { return widen_[byte]; }
    // Returns `text` as UTF-16; invalid sequences become the code page's replacement character.
    std::u16string ToUtf16(std::string_view text) const override;
    // Returns `text` in the ANSI code page; characters it lacks become its default character.
    std::string FromUtf16(std::u16string_view text) const override;

private:
    bool single_byte_ = true;
    std::array<char16_t, 256> widen_{};
};

}  // namespace vexar::win32
