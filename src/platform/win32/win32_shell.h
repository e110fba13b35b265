#pragma once
// The shell's "open" through ShellExecuteW (shell32 loaded on first use); what the shell then does with
// the request is its own affair.

#include "platform/platform.h"

namespace vexar::win32 {

// Hands each request to ShellExecuteW with every text as UTF-16 (empty, never null) and does not
// examine the result: starting the program and reporting its failure are left to the shell.
class Win32Shell : public platform::Shell {
public:
    // Returns once ShellExecuteW has returned; the outcome is not reported.
    void Open(const platform::ShellRequest& request) override;
};

}  // namespace vexar::win32
