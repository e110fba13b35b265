#include "platform/win32/win32_codec.h"

#include <windows.h>

#include <limits>

#include "platform/win32/error_map.h"

namespace vexar::win32 {

namespace {

// The Win32 conversion calls count in int.
int CheckedLength(std::size_t size) {
    if (size > static_cast<std::size_t>(std::numeric_limits<int>::max())) Raise(kErrOutOfMemory);
    return static_cast<int>(size);
}

}  // namespace

Win32Codec::Win32Codec() {
    CPINFO info{};
    if (!::GetCPInfo(CP_ACP, &info)) RaiseLastError();
    single_byte_ = info.MaxCharSize == 1;
    for (int byte = 0; byte < 256; ++byte) {
        widen_[static_cast<std::size_t>(byte)] = static_cast<char16_t>(byte);
        if (!single_byte_) continue;
        const char narrow = static_cast<char>(byte);
        wchar_t wide = 0;
        if (::MultiByteToWideChar(CP_ACP, 0, &narrow, 1, &wide, 1) == 1) {
            widen_[static_cast<std::size_t>(byte)] = static_cast<char16_t>(wide);
        }
    }
}

std::u16string Win32Codec::ToUtf16(std::string_view text) const {
    if (text.empty()) return std::u16string();
    const int size = CheckedLength(text.size());
    const int needed = ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    if (needed <= 0) RaiseLastError();
    std::u16string wide(static_cast<std::size_t>(needed), u'\0');
    if (::MultiByteToWideChar(CP_ACP, 0, text.data(), size, reinterpret_cast<wchar_t*>(wide.data()),
                              needed) != needed) {
        RaiseLastError();
    }
    return wide;
}

std::string Win32Codec::FromUtf16(std::u16string_view text) const {
    if (text.empty()) return std::string();
    const int size = CheckedLength(text.size());
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int needed = ::WideCharToMultiByte(CP_ACP, 0, wide, size, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) RaiseLastError();
    std::string narrow(static_cast<std::size_t>(needed), '\0');
    if (::WideCharToMultiByte(CP_ACP, 0, wide, size, narrow.data(), needed, nullptr, nullptr) != needed) {
        RaiseLastError();
    }
    return narrow;
}

}  // namespace vexar::win32
