#pragma once
// The shell's "open" through ShellExecuteA (shell32 loaded on first use); what the shell then does with
// the request is its own affair.

#include "platform/platform.h"

namespace vexar::win32 {

// Hands each request to ShellExecuteA with every text as an ANSI string (empty, never null) and does not
// examine the result: starting the program and reporting its failure are left to the shell.
class Win32Shell : public platform::Shell {
public:
    // Returns once ShellExecuteA has returned; the outcome is not reported.
    void Open(const platform::ShellRequest& request) override;
};

}  // namespace vexar::win32
