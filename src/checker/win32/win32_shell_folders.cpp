#include "checker/win32/win32_shell_folders.h"

#include <windows.h>

namespace vexar::win32 {

namespace {

// Returns the text a Win32 call writes into a buffer of the size it asks for; "" when the call fails.
template <typename Call>
std::string Fetched(Call call) {
    std::string text(MAX_PATH, '\0');
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DWORD length = call(text.data(), static_cast<DWORD>(text.size()));
        if (length == 0) return std::string();
        if (length < text.size()) {
            text.resize(length);
            return text;
        }
        text.assign(length, '\0');  // too small: `length` counts the terminating NUL
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
         {Fetched([](char*out, DWORD size) { return ::GetSystemDirectoryA(out, size); }),
          Fetched([](char*out, DWORD size) { return ::GetWindowsDirectoryA(out, size); })}) {
        if (!folder.empty()) folders.push_back(std::move(folder));
    }
    return folders;
}

std::vector<std::string> Win32ShellFolders::PathFolders() const {
    const std::string path =
        Fetched([](char* out, DWORD size) { return ::GetEnvironmentVariableA("PATH", out, size); });
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
    const std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + std::string(name);
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        // The key's default value; asked for as REG_SZ, a REG_EXPAND_SZ value comes back expanded.
        std::string value = Fetched([&](char* out, DWORD size) -> DWORD {
            DWORD bytes = size;
            const LSTATUS status =
                ::RegGetValueA(root, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, out, &bytes);
            if (status == ERROR_MORE_DATA) return bytes + 1;
            if (status != ERROR_SUCCESS || bytes == 0) return 0;
            return bytes - 1;  // without the terminating NUL
        });
        if (!value.empty()) return Unquoted(std::move(value));
    }
    return std::string();
}

}  // namespace vexar::win32
