#pragma once
// The least any launcher must do at its start: list Configs\ and read the first 4 KiB of every plain
// file (its first two lines are there), with the wide calls that every file name needs. The list fill's
// baseline and the floor window both do this.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/win32/handles.h"

namespace vexar::bench {

// Calls `each(path, start)` for every plain file of Configs\ in listing order, `start` being what the
// first read gave (nothing when the file could not be opened or read); false when Configs\ cannot be
// listed.
template <typename Each>
bool ReadConfigStarts(Each&& each) {
    WIN32_FIND_DATAW data;
    const win32::UniqueFind find(::FindFirstFileW(L"Configs\\*", &data));
    if (!find) return false;
    char buffer[4096];
    std::wstring path = L"Configs\\";
    do {
        if (data.dwFileAttributes &
            (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))
            continue;
        path.resize(8);
        path += data.cFileName;
        const win32::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ,
                                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                                   FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD got = 0;
        const bool read = file && ::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr);
        each(path, read ? std::optional(std::string_view(buffer, got)) : std::nullopt);
    } while (::FindNextFileW(find.get(), &data));
    return true;
}

}  // namespace vexar::bench
