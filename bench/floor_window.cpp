// The floor of "start to filled window": the least a launcher with a window and a game list must do.
// Started in a folder of configs, it lists Configs\ and reads the first 4 KiB of each plain file (as the
// list fill's baseline does), takes each file's title from its second line, and shows a tool window of
// the launcher's size with a plain drop-down combo box holding the titles (filled with drawing
// suspended), in the system's font; then it runs its message loop until the window is closed.
//
// Built twice: vexar_bench_floor without a manifest (the system's classic combo box) and
// vexar_bench_floor_v6 with the launcher's manifest (common controls 6, dpi awareness).
//
//   vexar_bench_floor                  runs as described
//   vexar_bench_floor stages CLOCK_MS  reports the stages of its start (CLOCK_MS: the driver's reading of
//                                      the performance counter when it asked for the process) after the
//                                      first paint, and ends

#include <windows.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config_starts.h"
#include "stage_clock.h"

namespace {

constexpr int kClientWidth = 621;
constexpr int kClientHeight = 166;
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFrameExStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;
constexpr std::size_t kLabelLength = 15;

// The second line of `text` from its 16th character, up to the line's end.
std::string TitleOf(std::string_view text) {
    const std::size_t first_end = text.find_first_of("\r\n");
    if (first_end == std::string_view::npos) return std::string();
    std::size_t second = first_end + (text.compare(first_end, 2, "\r\n") == 0 ? 2 : 1);
    const std::size_t second_end = text.find_first_of("\r\n", second);
    const std::string_view line = text.substr(second, second_end - second);
    return line.size() > kLabelLength ? std::string(line.substr(kLabelLength)) : std::string();
}

// The titles of the configs in listing order.
std::vector<std::string> ReadTitles() {
    std::vector<std::string> titles;
    vexar::bench::ReadConfigStarts([&titles](const std::wstring&, std::optional<std::string_view> start) {
        std::string title = start ? TitleOf(*start) : std::string();
        if (!title.empty()) titles.push_back(std::move(title));
    });
    return titles;
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
    const std::string_view arguments(command_line);
    const bool stages = arguments.substr(0, 7) == "stages ";
    vexar::bench::StageClock clock(stages ? std::strtod(command_line + 7, nullptr) : 0);
    clock.End("process");

    const std::vector<std::string> titles = ReadTitles();
    clock.End("list_fill");

    WNDCLASSA window_class{};
    window_class.lpfnWndProc = FrameProc;
    window_class.hInstance = instance;
    window_class.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512) /* IDC_ARROW */);
    window_class.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    window_class.lpszClassName = "VexarFloorWindow";
    if (!::RegisterClassA(&window_class)) return 2;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    ::AdjustWindowRectEx(&frame, kFrameStyle, FALSE, kFrameExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    HWND window = ::CreateWindowExA(kFrameExStyle, "VexarFloorWindow", "Floor", kFrameStyle,
                                    (::GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                    (::GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr,
                                    nullptr, instance, nullptr);
    HWND list =
        ::CreateWindowExA(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN,
                          48, 8, 445, 200, window, nullptr, instance, nullptr);
    if (window == nullptr || list == nullptr) return 2;
    clock.End("window");

    ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (const std::string& title : titles)
        ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
    ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, nullptr, TRUE);
    clock.End("combo_fill");

    ::ShowWindow(window, SW_SHOW);
    ::UpdateWindow(window);
    ::SetFocus(list);
    clock.End("show_paint");
    if (stages) {
        clock.Report("floor");
        return 0;
    }

    MSG message{};
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (::IsDialogMessageA(window, &message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return 0;
}
