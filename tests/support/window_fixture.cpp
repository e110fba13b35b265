#include "window_fixture.h"

namespace vexar::testing {

bool PumpMessages(std::initializer_list<win32::FramedWindow*> windows) {
    bool quit = false;
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit = true;
            continue;
        }
        bool handled = false;
        for (win32::FramedWindow* window : windows) {
            if (!handled && window != nullptr) handled = window->TranslateDialogKey(message);
        }
        if (handled) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return quit;
}

RECT ClientRectOf(HWND control) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

std::wstring WideTextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

LOGFONTW FontOf(HWND control) {
    LOGFONTW font{};
    auto handle = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    EXPECT_NE(handle, nullptr);
    ::GetObjectW(handle, sizeof font, &font);
    return font;
}

void ExpectFixedToolFrame(HWND window) {
    const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(::GetWindowLongPtrW(window, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW),
              WS_EX_TOOLWINDOW);
}

void ExpectReadOnlyNotesBox(HWND box) {
    const LONG_PTR style = ::GetWindowLongPtrW(box, GWL_STYLE);
    EXPECT_EQ(style & (ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL),
              ES_MULTILINE | ES_READONLY | WS_VSCROLL);
}

}  // namespace vexar::testing
