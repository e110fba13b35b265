#include "temp_folder.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <stdexcept>

#include "platform/win32/handles.h"

namespace vexar::testing {
namespace {

[[noreturn]] void Fail(std::string_view call, std::string_view path) {
    const DWORD code = ::GetLastError();
    throw std::runtime_error(std::string(call) + "(" + std::string(path) + ") failed with " +
                             std::to_string(code));
}

void Check(BOOL ok, std::string_view call, std::string_view path) {
    if (!ok) Fail(call, path);
}

// Removes `folder` (ending in a backslash) with everything below it; best effort, never throws.
// A directory link is removed itself, never followed.
void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA data;
    win32::UniqueFind find(::FindFirstFileA((folder + "*").c_str(), &data));
    if (find) {
        do {
            const std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            const std::string full = folder + name;
            ::SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            const DWORD attributes = data.dwFileAttributes;
            if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) RemoveTree(full + "\\");
                ::RemoveDirectoryA(full.c_str());
            } else {
                ::DeleteFileA(full.c_str());
            }
        } while (::FindNextFileA(find.get(), &data));
    }
    find.reset();
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
    if (length == 0 || length > MAX_PATH) Fail("GetTempPathA", "");
    for (int attempt = 0;; ++attempt) {
        std::string candidate = std::string(temp, length) + "vexar-" +
                                std::to_string(::GetCurrentProcessId()) + "-" +
                                std::to_string(::GetTickCount()) + "-" + std::to_string(g_serial++);
        if (::CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate + "\\";
            return;
        }
        if (::GetLastError() != ERROR_ALREADY_EXISTS || attempt == 100) Fail("CreateDirectoryA", candidate);
    }
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::string TempFolder::PathOf(std::string_view relative) const { return path_ + std::string(relative); }

std::string TempFolder::WriteFile(std::string_view relative, std::string_view bytes,
                                  std::uint32_t attributes) {
    const std::string full = PathOf(relative);
    // A hidden or system file cannot be recreated with CREATE_ALWAYS unless the same bits are asked for.
    ::SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
    win32::UniqueFile file(::CreateFileA(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) Fail("CreateFileA", full);
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        Check(::WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr), "WriteFile", full);
        done += written;
    }
    file.reset();
    if (attributes != 0) SetAttributes(relative, attributes);
    return full;
}

std::string TempFolder::MakeFolder(std::string_view relative, std::uint32_t attributes) {
    const std::string full = PathOf(relative);
    Check(::CreateDirectoryA(full.c_str(), nullptr), "CreateDirectoryA", full);
    if (attributes != 0) SetAttributes(relative, attributes | FILE_ATTRIBUTE_DIRECTORY);
    return full;
}

void TempFolder::SetAttributes(std::string_view relative, std::uint32_t attributes) {
    const std::string full = PathOf(relative);
    Check(::SetFileAttributesA(full.c_str(), attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes),
          "SetFileAttributesA", full);
}

CurrentDirectoryScope::CurrentDirectoryScope(const std::string& folder) {
    char buffer[MAX_PATH + 1];
    const DWORD length = ::GetCurrentDirectoryA(sizeof buffer, buffer);
    if (length == 0 || length > MAX_PATH) Fail("GetCurrentDirectoryA", "");
    previous_.assign(buffer, length);
    Check(::SetCurrentDirectoryA(folder.c_str()), "SetCurrentDirectoryA", folder);
}

CurrentDirectoryScope::~CurrentDirectoryScope() { ::SetCurrentDirectoryA(previous_.c_str()); }

}  // namespace vexar::testing
