#pragma once
// Whole files written over the wide Win32 calls, for the game-file editor: a file written through to the
// medium, put in the place of another in one step, or given a name no file has yet. Paths go as
// Win32FileSystem's do (SystemPath), error numbers come from error_map.

#include "platform/platform.h"

namespace vexar::win32 {

class Win32FileWriter : public platform::FileWriter {
public:
    // CreateFileW (replacing a file of that name), WriteFile until every byte is written, FlushFileBuffers,
    // CloseHandle.
    void WriteWhole(std::string_view path, std::string_view bytes) override;
    // ReplaceFileW, the replacement given the target's attributes first; where it fails (a file system
    // without it, such as some network shares), MoveFileExW replaces the target. A read-only target is
    // refused (75) and never made writable. A step refused by a sharing violation - another program, such as
    // the launcher, reading the target then - is tried for half a second.
    void Replace(std::string_view target, std::string_view replacement) override;
    // MoveFileExW without replacing: when `to` exists nothing changes (58).
    void MoveNew(std::string_view from, std::string_view to) override;
    // GetFileAttributesExW: the size and the last write time (100 ns units).
    platform::FileStamp Stamp(std::string_view path) override;
    // CreateDirectoryW.
    void MakeFolder(std::string_view path) override;
};

}  // namespace vexar::win32
