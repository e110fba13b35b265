#pragma once
// Lines of UTF-8 text to a standard handle, shown correctly on a console and kept byte for byte elsewhere.

#include <windows.h>

#include <string_view>

namespace vexar::win32 {

// On a console each line is written as UTF-16 (WriteConsoleW), so that the console shows every
// character whatever its own code page; into a file or a pipe the line goes as valid UTF-8, without a
// byte-order mark (plain ASCII stays ASCII; a lone surrogate of a file name, or a byte that is no UTF-8,
// as U+FFFD). Lines end with CR LF.
class ConsoleOutput {
public:
    // `which` is STD_OUTPUT_HANDLE or STD_ERROR_HANDLE.
    explicit ConsoleOutput(DWORD which);

    // Writes `text` and a line end; a handle that cannot be written to loses the line, nothing else.
    void WriteLine(std::string_view text);

private:
    HANDLE handle_;
    bool console_;
};

}  // namespace vexar::win32
