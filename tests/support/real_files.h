#pragma once
// Test support for the Win32 tests under Wine: real files and folders at full paths, files held open as
// another program would hold them, and the folder of the test program. Set-up failures throw
// std::runtime_error naming the call and its Win32 error code; they are the test's own, never the code's.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/handles.h"

namespace vexar::testing {

// Returns true when a file or folder exists at `path`.
bool Exists(const std::string& path);

// Creates (or truncates) the file `path` holding `bytes`, then sets `attributes` (FILE_ATTRIBUTE_* bits;
// 0 leaves it normal); returns `path`.
std::string WriteFileAt(const std::string& path, std::string_view bytes = {}, std::uint32_t attributes = 0);
// Creates the folder `path` (its parent must exist), then sets `attributes` beyond the directory bit;
// returns `path`.
std::string MakeFolderAt(const std::string& path, std::uint32_t attributes = 0);
// Sets the attributes of `path` to exactly `attributes` (0 means normal).
void SetAttributesAt(const std::string& path, std::uint32_t attributes);

// Returns the entries matching `pattern` but "." and "..", in the order the file system lists them.
std::vector<WIN32_FIND_DATAA> ListEntries(const std::string& pattern);

// Returns the bytes of `path`; nothing when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::string& path);

// How a holder shares the file it keeps open.
enum class Sharing { kNone, kRead };
// Returns `path` opened for reading, shared only as `sharing` says; throws when it cannot be opened.
win32::UniqueFile HoldOpen(const std::string& path, Sharing sharing = Sharing::kNone);

// Throws std::runtime_error naming `call`, `path` and the thread's last Win32 error code.
[[noreturn]] void FailCall(std::string_view call, std::string_view path);

// Returns the folder of the running test program, ending in a backslash.
std::string ProgramFolder();

}  // namespace vexar::testing
