#include "platform/utf.h"

#include <algorithm>

namespace vexar::utf {

namespace {

// The length of the sequence that `lead` begins; 0 for a byte that begins none.
std::size_t SequenceLength(unsigned char lead) {
    return lead < 0x80                    ? 1
           : lead >= 0xC2 && lead <= 0xDF ? 2
           : lead >= 0xE0 && lead <= 0xEF ? 3
           : lead >= 0xF0 && lead <= 0xF4 ? 4
                                          : 0;
}

// Decodes the sequence at text[pos]: its code point and length; length 0 when the byte begins no
// well-formed sequence. With kKeep, three-byte forms of surrogates count as well-formed.
std::pair<char32_t, std::size_t> Decode(std::string_view text, std::size_t pos, LoneSurrogate lone) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    const std::size_t length = SequenceLength(lead);
    if (length == 1) return {lead, 1};
    if (length == 0 || pos + length > text.size()) return {0, 0};
    char32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[pos + k]);
        if ((next & 0xC0) != 0x80) return {0, 0};
        code = code << 6 | (next & 0x3F);
    }
    const char32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (code < least || code > 0x10FFFF || (IsSurrogate(code) && lone == LoneSurrogate::kReplace)) {
        return {0, 0};
    }
    return {code, length};
}

// The code point's place in UTF-16 order: the characters above the surrogates sort after the ones that
// UTF-16 writes with surrogates.
char32_t Utf16Rank(char32_t code) {
    return code >= 0xE000 && code <= 0xFFFF ? code + 0x200000 : code;
}

}  // namespace

std::pair<char32_t, std::size_t> DecodeAt(std::string_view text, std::size_t pos, LoneSurrogate lone) {
    const auto decoded = Decode(text, pos, lone);
    if (decoded.second == 0) return {kReplacementCharacter, 1};
    return decoded;
}

void AppendCodePoint(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::u16string ToUtf16(std::string_view text, LoneSurrogate lone) {
    std::u16string wide;
    wide.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const auto [code, length] = DecodeAt(text, pos, lone);
        if (code >= 0x10000) {
            wide += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            wide += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            wide += static_cast<char16_t>(code);
        }
        pos += length;
    }
    return wide;
}

std::string FromUtf16(std::u16string_view text, LoneSurrogate lone) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (IsHighSurrogate(code) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            code = CombineSurrogates(code, text[++i]);
        } else if (IsSurrogate(code) && lone == LoneSurrogate::kReplace) {
            code = kReplacementCharacter;
        }
        AppendCodePoint(out, code);
    }
    return out;
}

bool IsValid(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t length = Decode(bytes, pos, LoneSurrogate::kReplace).second;
        if (length == 0) return false;
        pos += length;
    }
    return true;
}

bool Repair(std::string& bytes) {
    if (IsValid(bytes)) return false;
    std::string repaired;
    repaired.reserve(bytes.size() + 8);
    for (std::size_t pos = 0; pos < bytes.size();) {
        const auto [code, length] = DecodeAt(bytes, pos, LoneSurrogate::kReplace);
        AppendCodePoint(repaired, code);
        pos += length;
    }
    bytes = std::move(repaired);
    return true;
}

std::string ValidText(std::string_view text) {
    return FromUtf16(ToUtf16(text, LoneSurrogate::kKeep), LoneSurrogate::kReplace);
}

std::size_t LengthWithoutCutEnd(std::string_view bytes) {
    // A sequence is at most four bytes long: its lead byte is among the last three when it is cut short.
    for (std::size_t back = 1; back <= std::min<std::size_t>(3, bytes.size()); ++back) {
        const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: the lead is further back
        return SequenceLength(byte) > back ? bytes.size() - back : bytes.size();
    }
    return bytes.size();
}

std::size_t OffsetOfCharacter(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t k = 0; k < count; ++k) {
        if (pos >= text.size()) return std::string_view::npos;
        pos += DecodeAt(text, pos, LoneSurrogate::kKeep).second;
    }
    return pos;
}

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

int CompareUtf16(std::string_view a, std::string_view b) {
    // Equal bytes are equal characters: compare from the start of the character where they first differ.
    std::size_t i =
        static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
    while (i > 0 && i < a.size() && i < b.size() && (static_cast<unsigned char>(a[i]) & 0xC0) == 0x80) --i;
    std::size_t j = i;
    while (i < a.size() && j < b.size()) {
        const auto [code_a, length_a] = DecodeAt(a, i, LoneSurrogate::kKeep);
        const auto [code_b, length_b] = DecodeAt(b, j, LoneSurrogate::kKeep);
        if (code_a != code_b) return Utf16Rank(code_a) < Utf16Rank(code_b) ? -1 : 1;
        i += length_a;
        j += length_b;
    }
    return (i < a.size()) - (j < b.size());
}

std::string Spaced(std::string_view characters) {
    std::string spaced;
    while (!characters.empty()) {
        if (!spaced.empty()) spaced += ' ';
        const std::size_t length = OffsetOfCharacter(characters, 1);
        spaced += characters.substr(0, length);
        characters.remove_prefix(length);
    }
    return spaced;
}

}  // namespace vexar::utf
