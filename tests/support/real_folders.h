#pragma once
// Test support for the Win32 tests under Wine: a private real folder (names in it UTF-8) that is the
// current directory while it lives, a file held open as another program would hold it, and the folder of
// the test program. Set-up failures throw std::runtime_error; they are the test's own, never the code's.

#include <windows.h>

#include <shellapi.h>

#include <cstring>
#include <stdexcept>
#include <string>

#include "config_text.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace vexar::testing {

inline void Check(bool done, const std::string& what) {
    if (!done) throw std::runtime_error(what + ": error " + std::to_string(::GetLastError()));
}

// Returns the folder of the running test program, ending in a backslash.
inline std::string ProgramFolder() {
    char path[MAX_PATH + 1] = {};
    Check(::GetModuleFileNameA(nullptr, path, MAX_PATH) > 0, "GetModuleFileNameA");
    return std::string(path, std::strrchr(path, '\\') + 1);
}

class TempFolder {
public:
    // Creates a unique folder under the temporary directory and makes it the current directory.
    TempFolder() {
        static unsigned serial = 0;
        char buffer[MAX_PATH + 1] = {};
        previous_.assign(buffer, ::GetCurrentDirectoryA(MAX_PATH, buffer));
        path_.assign(buffer, ::GetTempPathA(MAX_PATH, buffer));
        path_ += "vexar-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(serial++);
        Check(::CreateDirectoryA(path_.c_str(), nullptr) && ::SetCurrentDirectoryA(path_.c_str()), path_);
        path_ += '\\';
    }
    // Restores the previous current directory and removes the folder with everything below it.
    ~TempFolder() {
        ::SetCurrentDirectoryA(previous_.c_str());
        const std::string from = path_.substr(0, path_.size() - 1) + '\0';  // a list ending in an empty name
        SHFILEOPSTRUCTA remove{nullptr, FO_DELETE, from.c_str(), nullptr, FOF_NO_UI, FALSE, nullptr, nullptr};
        ::SHFileOperationA(&remove);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Returns the full path of `relative` in the folder; of the folder itself, ending in a backslash.
    std::string Path(const std::string& relative = {}) const { return path_ + relative; }
    // Creates (or replaces) the file `relative` holding `bytes` with `attributes`; returns its full path. A
    // name such as "com1.cfg" makes a file of that name, not the device.
    std::string Write(const std::string& relative, const std::string& bytes = {},
                      DWORD attributes = 0) const {
        const std::string path = Path(relative);
        ::SetFileAttributesW(Long(path).c_str(), FILE_ATTRIBUTE_NORMAL);
        const win32::UniqueFile file(
            ::CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        DWORD written = 0;
        Check(file && ::WriteFile(file.get(), bytes.data(), DWORD(bytes.size()), &written, nullptr), path);
        return SetAttributes(path, attributes);
    }
    // Creates the folder `relative` (its parent must exist) with `attributes`; returns its full path.
    std::string Folder(const std::string& relative, DWORD attributes = 0) const {
        Check(::CreateDirectoryW(win32::Wide(Path(relative)).c_str(), nullptr), Path(relative));
        return SetAttributes(Path(relative), attributes);
    }

private:
    // The full path `path` after "\\?\\": the file itself, whatever its name.
    static std::wstring Long(const std::string& path) { return L"\\\\?\\" + win32::Wide(path); }
    static std::string SetAttributes(const std::string& path, DWORD attributes) {
        Check(attributes == 0 || ::SetFileAttributesW(Long(path).c_str(), attributes), path);
        return path;
    }

    std::string path_, previous_;
};

// Returns `path` opened for reading and writing, shared with others only as `share` says.
inline win32::UniqueFile HoldOpen(const std::string& path, DWORD share) {
    win32::UniqueFile file(::CreateFileW(win32::Wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, share,
                                         nullptr, OPEN_EXISTING, 0, nullptr));
    Check(static_cast<bool>(file), path);
    return file;
}

}  // namespace vexar::testing
