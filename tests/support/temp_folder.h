#pragma once
// Test support for the Win32 tests under Wine: a private, real folder under the temporary directory
// and a scoped change of the current directory. Failures of these helpers throw std::runtime_error
// naming the call and its Win32 error code; they are the test's own set-up, never the code under test.

#include <cstdint>
#include <string>
#include <string_view>

namespace vexar::testing {

// A unique folder under GetTempPathA, removed with everything below it when destroyed (read-only,
// hidden and system attributes are cleared first). Relative names use backslashes.
class TempFolder {
public:
    // Creates the folder.
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Returns the folder's full path, ending in a backslash.
    const std::string& path() const { return path_; }
    // Returns the full path of `relative` inside the folder.
    std::string PathOf(std::string_view relative) const;

    // Creates (or truncates) the file `relative` holding `bytes`, then sets `attributes` (Win32
    // FILE_ATTRIBUTE_* bits; 0 leaves it normal); returns its full path.
    std::string WriteFile(std::string_view relative, std::string_view bytes, std::uint32_t attributes = 0);
    // Creates the folder `relative` (its parent must exist), then sets `attributes` beyond the
    // directory bit; returns its full path.
    std::string MakeFolder(std::string_view relative, std::uint32_t attributes = 0);
    // Sets the attributes of `relative` to exactly `attributes` (0 means normal).
    void SetAttributes(std::string_view relative, std::uint32_t attributes);

private:
    std::string path_;
};

// Makes `folder` the current directory for its lifetime; restores the previous one when destroyed.
class CurrentDirectoryScope {
public:
    explicit CurrentDirectoryScope(const std::string& folder);
    ~CurrentDirectoryScope();
    CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
    CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;

private:
    std::string previous_;
};

}  // namespace vexar::testing
