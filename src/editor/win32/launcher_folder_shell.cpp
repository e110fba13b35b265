#include "editor/win32/launcher_folder_shell.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace vexar::win32 {

std::string InFolder(std::string_view folder, std::string_view path) {
    const bool rooted = path.size() >= 2 && (path[1] == ':' || (path[0] == '\\' && path[1] == '\\'));
    std::string joined;
    if (rooted) {
        joined = path;
    } else if (!path.empty() && path[0] == '\\') {
        joined = std::string(folder.substr(0, 2)) + std::string(path);  // the launcher's drive
    } else {
        joined = std::string(folder) + "\\" + std::string(path);
    }
    // The path is absolute now: the system resolves "." and ".." without looking at the current folder.
    const std::wstring wide = Wide(joined);
    std::wstring full(::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr) + 1, L'\0');
    const DWORD length =
        ::GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size()) return joined;
    full.resize(length);
    if (full.size() > 3 && full.back() == L'\\') full.pop_back();
    return Utf8(full);
}

std::optional<std::string> LauncherFolderShell::Open(const platform::ShellRequest& request) {
    platform::ShellRequest resolved = request;
    resolved.directory = InFolder(launcher_, request.directory);
    return shell_.Open(resolved);
}

}  // namespace vexar::win32
