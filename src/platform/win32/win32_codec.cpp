#include "platform/win32/win32_codec.h"

#include <limits>

#include "platform/win32/error_map.h"
#include "platform/win32/wide_text.h"

namespace vexar::win32 {

namespace {

// The Win32 conversion calls count in int.
int CheckedLength(std::size_t size) {
    if (size > static_cast<std::size_t>(std::numeric_limits<int>::max())) Raise(kErrOutOfMemory);
    return static_cast<int>(size);
}

// `bytes` in the ANSI code page as UTF-16.
std::wstring Widened(std::string_view bytes) {
    if (bytes.empty()) return std::wstring();
    const int size = CheckedLength(bytes.size());
    const int needed = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    if (needed <= 0) RaiseLastError();
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    if (::MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), needed) != needed) RaiseLastError();
    return wide;
}

}  // namespace

Win32Codec::Win32Codec() : utf8_(::GetACP() == CP_UTF8) {}

std::string Win32Codec::ToUtf8(std::string_view bytes) const {
    return Utf8(Widened(bytes));
}

std::string Win32Codec::Narrowed(std::wstring_view wide, BOOL* defaulted) const {
    if (wide.empty()) return std::string();
    const int size = CheckedLength(wide.size());
    const DWORD flags = utf8_ ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL* const used_default = utf8_ ? nullptr : defaulted;
    const int needed = ::WideCharToMultiByte(CP_ACP, flags, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) RaiseLastError();
    std::string narrow(static_cast<std::size_t>(needed), '\0');
    if (::WideCharToMultiByte(CP_ACP, flags, wide.data(), size, narrow.data(), needed, nullptr,
                              used_default) != needed) {
        RaiseLastError();
    }
    if (utf8_ && defaulted != nullptr) *defaulted = Widened(narrow) != wide;
    return narrow;
}

platform::AnsiText Win32Codec::FromUtf8(std::string_view text) const {
    const std::wstring wide = Wide(text);
    BOOL defaulted = FALSE;
    platform::AnsiText ansi{Narrowed(wide, &defaulted), {}};
    if (!defaulted) return ansi;
    // Which characters: each one that does not come back from the code page as it went in.
    for (std::size_t pos = 0; pos < wide.size();) {
        const bool pair =
            utf::IsHighSurrogate(wide[pos]) && pos + 1 < wide.size() && utf::IsLowSurrogate(wide[pos + 1]);
        const std::wstring_view character = std::wstring_view(wide).substr(pos, pair ? 2 : 1);
        pos += character.size();
        if (Widened(Narrowed(character, nullptr)) == character) continue;
        const std::string lacking = Utf8(character);
        if (ansi.lacking.find(lacking) == std::string::npos) ansi.lacking += lacking;
    }
    return ansi;
}

}  // namespace vexar::win32
