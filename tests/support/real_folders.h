#pragma once
// Test support for the Win32 tests under Wine: a private real folder that is the current directory while
// it lives, a file held open as another program would hold it, and the folder of the test program.
// Set-up failures throw std::runtime_error; they are the test's own, never the code's.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/win32/handles.h"

namespace vexar::testing {

class TempFolder {
public:
    // Creates a unique folder under the temporary directory and makes it the current directory.
    TempFolder();
    // Restores the previous current directory and removes the folder with everything below it.
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Returns the full path of `relative` in the folder; of the folder itself, ending in a backslash.
    std::string Path(std::string_view relative = {}) const { return path_ + std::string(relative); }
    // Creates (or replaces) the file `relative` holding `bytes` with `attributes`; returns its full path.
    std::string Write(std::string_view relative, std::string_view bytes = {}, DWORD attributes = 0) const;
    // Creates the folder `relative` (its parent must exist) with `attributes`; returns its full path.
    std::string Folder(std::string_view relative, DWORD attributes = 0) const;

private:
    std::string path_;
    std::string previous_;
};

// Returns the bytes of `path`; nothing when it cannot be read.
std::optional<std::string> ReadBytes(const std::string& path);

// Returns `path` opened for reading and writing, shared with others only as `share` says.
win32::UniqueFile HoldOpen(const std::string& path, DWORD share);

// Returns the folder of the running test program, ending in a backslash.
std::string ProgramFolder();

}  // namespace vexar::testing
