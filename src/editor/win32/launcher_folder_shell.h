#pragma once
// The shell as the launcher meets it from its own folder, for an editor whose current folder is anyone's
// (a file dialog may move it): a request's relative or empty folder is taken in the launcher folder.

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace vexar::win32 {

// `path` taken in the absolute folder `folder` (as the system would with `folder` current): an absolute
// path as it is, a relative one below `folder` with "." and ".." resolved, "" as `folder` itself.
std::string InFolder(std::string_view folder, std::string_view path);

class LauncherFolderShell final : public platform::Shell {
public:
    // `launcher`: the launcher folder, absolute.
    LauncherFolderShell(platform::Shell& shell, std::string launcher)
        : shell_(shell), launcher_(std::move(launcher)) {}

    std::optional<std::string> Open(const platform::ShellRequest& request) override;

private:
    platform::Shell& shell_;
    std::string launcher_;
};

}  // namespace vexar::win32
