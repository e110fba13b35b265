#pragma once
// UTF-8, the form every text has inside the launcher, and UTF-16, the form Windows' wide calls take:
// the surrogate and replacement rules, conversions, repair of damaged UTF-8, character counts and UTF-16
// order. Where texts come from is the caller's.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace vexar::utf {

// U+FFFD, which stands for what cannot be read or written as a character.
inline constexpr char32_t kReplacementCharacter = 0xFFFD;

constexpr bool IsHighSurrogate(char32_t code) {
    return code >= 0xD800 && code <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char32_t code) {
    return code >= 0xDC00 && code <= 0xDFFF;
}
constexpr bool IsSurrogate(char32_t code) {
    return code >= 0xD800 && code <= 0xDFFF;
}
// Returns the code point that the surrogate pair `high`, `low` stands for.
constexpr char32_t CombineSurrogates(char32_t high, char32_t low) {
    return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

// What becomes of a surrogate that has no partner (in UTF-16), or of its three-byte UTF-8 form.
enum class LoneSurrogate {
    kKeep,     // kept, so that a file name holding one comes back unchanged through the wide calls
    kReplace,  // U+FFFD, for text that must be valid Unicode: a file's lines, output for others to read
};

// Returns the code point of the sequence that begins at text[pos] and its length in bytes. A byte that
// begins no well-formed sequence (with kKeep, a surrogate's three-byte form counts as well-formed) gives
// U+FFFD and length 1. `pos` must be below text.size().
std::pair<char32_t, std::size_t> DecodeAt(std::string_view text, std::size_t pos, LoneSurrogate lone);

// `text` as UTF-16; a byte that begins no valid sequence becomes U+FFFD. With kKeep a surrogate's
// three-byte form (as FromUtf16 writes a lone one) becomes that surrogate again.
std::u16string ToUtf16(std::string_view text, LoneSurrogate lone);

// `text` as UTF-8; a surrogate without its partner is kept in its three-byte form or becomes U+FFFD.
std::string FromUtf16(std::u16string_view text, LoneSurrogate lone);

// Appends code point `code` to `out` in UTF-8.
void AppendCodePoint(std::string& out, char32_t code);

// True when `bytes` are well-formed UTF-8 (no surrogates, no overlong forms, nothing past U+10FFFF).
bool IsValid(std::string_view bytes);

// `bytes` with each sequence that is not well-formed UTF-8 replaced by U+FFFD; returns true when any was.
bool Repair(std::string& bytes);

// `text` as valid UTF-8 for others to read: each lone surrogate and each byte that begins no valid
// sequence is U+FFFD.
std::string ValidText(std::string_view text);

// Returns the length of `bytes` without a sequence at its very end that was cut short (a lead byte
// followed by fewer continuation bytes than it announces): where text cut at a byte count ends whole.
std::size_t LengthWithoutCutEnd(std::string_view bytes);

// Returns the byte offset at which character `count` of `text` begins (a character: one code point);
// text.size() when `text` has `count` characters, npos when it has fewer.
std::size_t OffsetOfCharacter(std::string_view text, std::size_t count);

// Returns the characters of `characters` with a blank between each two.
std::string Spaced(std::string_view characters);

// `text` with the ASCII capitals A to Z made small; every other byte as it is.
std::string AsciiLower(std::string_view text);

// True when every byte is below 0x80: the text is ASCII, the same in UTF-8 and every ANSI code page.
bool IsAscii(std::string_view text);

// Negative, zero or positive as `a` sorts before, equal to or after `b` in the order of their UTF-16
// code units, position by position (a prefix first).
int CompareUtf16(std::string_view a, std::string_view b);

}  // namespace vexar::utf
