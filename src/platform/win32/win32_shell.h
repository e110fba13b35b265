#pragma once
// The shell's "open" through ShellExecuteW (shell32 loaded on first use); what the started program then
// does is its own affair.

#include "platform/platform.h"

namespace vexar::win32 {

// Hands each request to ShellExecuteW with every text as UTF-16 (empty, never null).
class Win32Shell : public platform::Shell {
public:
    // Returns nothing once ShellExecuteW took the request, or the system's text for why it refused it.
    std::optional<std::string> Open(const platform::ShellRequest& request) override;
};

}  // namespace vexar::win32
