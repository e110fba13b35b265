#include "temp_folder.h"

#include <windows.h>

#include <atomic>

#include "platform/win32/handles.h"
#include "real_files.h"

namespace vexar::testing {
namespace {

// Removes `folder` (ending in a backslash) with everything below it; best effort, never throws.
// A directory link is removed itself, never followed.
void RemoveTree(const std::string& folder) {
    for (const WIN32_FIND_DATAA& entry : ListEntries(folder + "*")) {
        const std::string full = folder + entry.cFileName;
        ::SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) RemoveTree(full + "\\");
            ::RemoveDirectoryA(full.c_str());
        } else {
            ::DeleteFileA(full.c_str());
        }
    }
    std::string self = folder;
    if (!self.empty() && self.back() == '\\') self.pop_back();
    ::SetFileAttributesA(self.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::RemoveDirectoryA(self.c_str());
}

std::atomic<unsigned> g_serial{0};

}  // namespace

TempFolder::TempFolder() {
    char temp[MAX_PATH + 1];
    const DWORD length = ::GetTempPathA(sizeof temp, temp);
    if (length == 0 || length > MAX_PATH) FailCall("GetTempPathA", "");
    for (int attempt = 0;; ++attempt) {
        std::string candidate = std::string(temp, length) + "vexar-" +
                                std::to_string(::GetCurrentProcessId()) + "-" +
                                std::to_string(::GetTickCount()) + "-" + std::to_string(g_serial++);
        if (::CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate + "\\";
            return;
        }
        if (::GetLastError() != ERROR_ALREADY_EXISTS || attempt == 100)
            FailCall("CreateDirectoryA", candidate);
    }
}

TempFolder::~TempFolder() {
    RemoveTree(path_);
}

std::string TempFolder::PathOf(std::string_view relative) const {
    return path_ + std::string(relative);
}

std::string TempFolder::WriteFile(std::string_view relative, std::string_view bytes,
                                  std::uint32_t attributes) {
    return WriteFileAt(PathOf(relative), bytes, attributes);
}

std::string TempFolder::MakeFolder(std::string_view relative, std::uint32_t attributes) {
    return MakeFolderAt(PathOf(relative), attributes);
}

void TempFolder::SetAttributes(std::string_view relative, std::uint32_t attributes) {
    SetAttributesAt(PathOf(relative), attributes);
}

CurrentDirectoryScope::CurrentDirectoryScope(const std::string& folder) {
    char buffer[MAX_PATH + 1];
    const DWORD length = ::GetCurrentDirectoryA(sizeof buffer, buffer);
    if (length == 0 || length > MAX_PATH) FailCall("GetCurrentDirectoryA", "");
    previous_.assign(buffer, length);
    if (!::SetCurrentDirectoryA(folder.c_str())) FailCall("SetCurrentDirectoryA", folder);
}

CurrentDirectoryScope::~CurrentDirectoryScope() {
    ::SetCurrentDirectoryA(previous_.c_str());
}

}  // namespace vexar::testing
