#include "checker/win32/win32_shell_folders.h"

#include <windows.h>

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

std::string Win32ShellFolders::AppPath(std::string_view name) const {
    const std::wstring key = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + Wide(name);
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        // The key's default value; asked for as REG_SZ, a REG_EXPAND_SZ value comes back expanded.
        std::string value = Fetched([&](wchar_t* out, DWORD size) -> DWORD {
            DWORD bytes = size * sizeof(wchar_t);
            const LSTATUS status =
                ::RegGetValueW(root, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, out, &bytes);
            const DWORD units = bytes / sizeof(wchar_t);
            if (status == ERROR_MORE_DATA) return units + 1;
            if (status != ERROR_SUCCESS || units == 0) return 0;
            return units - 1;  // without the terminating NUL
        });
        if (!value.empty()) return Unquoted(std::move(value));
    }
    return std::string();
}

}  // namespace vexar::win32
