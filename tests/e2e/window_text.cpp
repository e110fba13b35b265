// Prints, in UTF-8, the text of the control with the id ID of the top-level window titled TITLE, a window
// of another process too (WM_GETTEXT is carried across processes):  window_text TITLE ID
// TITLE may also name the window's class, for a window whose caption changes.
// Status 1 when there is no such window or control, or it does not answer within 5 s.
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
    HWND window = argc == 3 ? ::FindWindowW(nullptr, argv[1]) : nullptr;
    if (window == nullptr && argc == 3) window = ::FindWindowW(argv[1], nullptr);
    const HWND control = window ? ::GetDlgItem(window, ::_wtoi(argv[2])) : nullptr;
    wchar_t text[4096];
    DWORD_PTR length = 0;
    if (control == nullptr ||
        !::SendMessageTimeoutW(control, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                               SMTO_ABORTIFHUNG, 5000, &length)) {
        return 1;
    }
    std::string utf8(length * 3, '\0');
    utf8.resize(::WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), utf8.data(),
                                      static_cast<int>(utf8.size()), nullptr, nullptr));
    DWORD written = 0;
    const BOOL done = ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(),
                                  static_cast<DWORD>(utf8.size()), &written, nullptr);
    return done ? 0 : 1;
}
