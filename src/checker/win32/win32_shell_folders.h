#pragma once
// The places the shell searches on this computer, read from Windows.

#include "checker/program_search.h"

namespace vexar::win32 {

// Windows' folders from GetSystemDirectoryW and GetWindowsDirectoryW, the PATH variable of this process
// (which a launcher started by the same user inherits alike), and the App Paths keys of the current user
// and of the machine, in that order; through the wide calls, as UTF-8.
class Win32ShellFolders final : public ShellFolders {
public:
    std::vector<std::string> WindowsFolders() const override;
    std::vector<std::string> PathFolders() const override;
    std::string AppPath(std::string_view name) const override;
};

}  // namespace vexar::win32
