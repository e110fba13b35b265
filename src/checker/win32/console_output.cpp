#include "checker/win32/console_output.h"

#include <string>

#include "platform/utf.h"
#include "platform/win32/wide_text.h"

namespace vexar::win32 {

ConsoleOutput::ConsoleOutput(DWORD which) : handle_(::GetStdHandle(which)) {
    DWORD mode = 0;
    console_ = handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE && ::GetConsoleMode(handle_, &mode);
}

void ConsoleOutput::WriteLine(std::string_view text) {
    if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) return;
    if (console_) {
        const std::wstring wide = Wide(std::string(text) + "\r\n");
        DWORD written = 0;
        ::WriteConsoleW(handle_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    const std::string line = utf::ValidText(text) + "\r\n";
    std::size_t done = 0;
    while (done < line.size()) {
        DWORD written = 0;
        if (!::WriteFile(handle_, line.data() + done, static_cast<DWORD>(line.size() - done), &written,
                         nullptr) ||
            written == 0) {
            return;
        }
        done += written;
    }
}

}  // namespace vexar::win32
