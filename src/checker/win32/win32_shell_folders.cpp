#include "checker/win32/win32_shell_folders.h"

#include <windows.h>

#include <cwchar>

#include "platform/win32/wide_text.h"

namespace vexar::win32 {

namespace {

// Returns, as UTF-8, the text a wide Win32 call writes into a buffer of the size it asks for; "" when the
// call fails.
template <typename Call>
std::string Fetched(Call call) {
    std::wstring text(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DWORD length = call(text.data(), static_cast<DWORD>(text.size()));
        if (length == 0) return std::string();
        if (length < text.size()) {
            text.resize(length);
            return Utf8(text);
        }
        text.assign(length, L'\0');  // too small: `length` counts the terminating NUL
    }
    return std::string();
}

// `text` without the double quotes around it (a PATH entry or a registered path may have them).
std::string Unquoted(std::string text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
    return text;
}

}  // namespace

std::vector<std::string> Win32ShellFolders::WindowsFolders() const {
    std::vector<std::string> folders;
    for (std::string folder :
         {Fetched([](wchar_t*out, DWORD size) { return ::GetSystemDirectoryW(out, size); }),
          Fetched([](wchar_t*out, DWORD size) { return ::GetWindowsDirectoryW(out, size); })}) {
        if (!folder.empty()) folders.push_back(std::move(folder));
    }
    return folders;
}

std::vector<std::string> Win32ShellFolders::PathFolders() const {
    const std::string path =
        Fetched([](wchar_t* out, DWORD size) { return ::GetEnvironmentVariableW(L"PATH", out, size); });
    std::vector<std::string> folders;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find(';', start);
        if (end == std::string::npos) end = path.size();
        std::string folder = Unquoted(path.substr(start, end - start));
        if (!folder.empty()) folders.push_back(std::move(folder));
        start = end + 1;
    }
    return folders;
}

namespace {

// The default value of `key` below `root` as text: a REG_SZ value as it is, a REG_EXPAND_SZ value with its
// variables expanded; "" for a missing key or value, another type or an empty text. (RegGetValueW does
// the same in one call, but 32-bit Windows XP lacks it.)
std::string DefaultText(HKEY root, const std::wstring& key) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return std::string();
    std::wstring text;
    DWORD type = REG_NONE;
    LSTATUS status = ERROR_MORE_DATA;
    for (int attempt = 0; attempt < 3 && status == ERROR_MORE_DATA; ++attempt) {
        DWORD bytes = 0;
        status = ::RegQueryValueExW(opened, nullptr, nullptr, &type, nullptr, &bytes);
        if (status != ERROR_SUCCESS) break;
        // One unit more than the value holds: a value stored without its terminating NUL still ends in one.
        text.assign(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        status =
            ::RegQueryValueExW(opened, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &bytes);
        if (status == ERROR_SUCCESS) text.resize(bytes / sizeof(wchar_t));
    }
    ::RegCloseKey(opened);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::string();
    text.resize(std::wcslen(text.c_str()));  // up to its first NUL
    if (type == REG_SZ) return Utf8(text);
    return Fetched([&](wchar_t* out, DWORD size) -> DWORD {
        // The count, unlike Fetched's, holds the terminating NUL when the text fits.
        const DWORD units = ::ExpandEnvironmentStringsW(text.c_str(), out, size);
        return units == 0 || units > size ? units : units - 1;
    });
}

}  // namespace

std::string Win32ShellFolders::AppPath(std::string_view name) const {
    const std::wstring key = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + Wide(name);
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        std::string value = DefaultText(root, key);
        if (!value.empty()) return Unquoted(std::move(value));
    }
    return std::string();
}

}  // namespace vexar::win32
