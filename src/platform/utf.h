#pragma once
// UTF-8, the form every text has inside the launcher, and UTF-16, the form Windows' wide calls take:
// conversions, repair of damaged UTF-8, character counts and UTF-16 order. Where texts come from is the
// caller's.

#include <cstddef>
#include <string>
#include <string_view>

namespace vexar::utf {

// `text` as UTF-16. A byte that starts no valid sequence becomes U+FFFD; a surrogate written in UTF-8's
// three-byte form (as FromUtf16 writes an unpaired one) becomes that surrogate again.
std::u16string ToUtf16(std::string_view text);

// `text` as UTF-8. An unpaired surrogate is kept in the three-byte form, so that a file name that holds
// one comes back unchanged from ToUtf16.
std::string FromUtf16(std::u16string_view text);

// Appends code point `code` to `out` in UTF-8.
void AppendCodePoint(std::string& out, char32_t code);

// True when `bytes` are well-formed UTF-8 (no surrogates, no overlong forms, nothing past U+10FFFF).
bool IsValid(std::string_view bytes);

// `bytes` with each sequence that is not well-formed UTF-8 replaced by U+FFFD; returns true when any was.
bool Repair(std::string& bytes);

// Returns the byte offset at which character `count` of `text` begins (a character: one code point);
// text.size() when `text` has `count` characters, npos when it has fewer.
std::size_t OffsetOfCharacter(std::string_view text, std::size_t count);

// `text` with the ASCII capitals A to Z made small; every other byte as it is.
std::string AsciiLower(std::string_view text);

// True when every byte is below 0x80: the text is ASCII, the same in UTF-8 and every ANSI code page.
bool IsAscii(std::string_view text);

// Negative, zero or positive as `a` sorts before, equal to or after `b` in the order of their UTF-16
// code units, position by position (a prefix first).
int CompareUtf16(std::string_view a, std::string_view b);

}  // namespace vexar::utf
