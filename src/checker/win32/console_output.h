#pragma once
// Lines of ANSI text to a standard handle, shown correctly on a console and kept byte for byte elsewhere.

#include <windows.h>

#include <string_view>

#include "platform/platform.h"

namespace vexar::win32 {

// On a console each line is written as UTF-16 (WriteConsoleW), so that the console shows every
// character whatever its own code page; into a file or a pipe the line goes as the ANSI bytes the launcher
// holds, so that redirected output is exactly the launcher's text. Lines end with CR LF.
class ConsoleOutput {
public:
    // `which` is STD_OUTPUT_HANDLE or STD_ERROR_HANDLE.
    ConsoleOutput(DWORD which, const platform::TextCodec& codec);

    // Writes `text` and a line end; a handle that cannot be written to loses the line, nothing else.
    void WriteLine(std::string_view text);

private:
    HANDLE handle_;
    bool console_;
    const platform::TextCodec& codec_;
};

}  // namespace vexar::win32
