// The floor of "/run": the least a program that starts one game from its config file must do. Started in
// a folder holding Configs\game.cfg, it reads the file's first 4 KiB, takes lines 4 to 7 after their
// 15-character labels, joins the default parameters, the options "-o" and the hard-drive parameters, asks
// the shell to open the launch file with them in the start folder, and ends.
//
// Built twice: vexar_bench_run_floor without a manifest and vexar_bench_run_floor_v6 with the launcher's.
// "vexar_bench_run_floor game" ends at once: the game the benchmark's config file names.

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <string_view>
#include <vector>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR command_line, int) {
    if (std::string_view(command_line) == "game") return 0;
    const HANDLE file = ::CreateFileW(L"Configs\\game.cfg", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 2;
    char buffer[4096];
    DWORD got = 0;
    const BOOL read = ::ReadFile(file, buffer, sizeof buffer, &got, nullptr);
    ::CloseHandle(file);
    if (!read) return 2;
    std::vector<std::wstring> values;
    const std::string_view text(buffer, got);
    for (std::size_t at = 0; at < text.size() && values.size() < 9;) {
        const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        const std::string_view line = text.substr(at, end - at);
        values.emplace_back(line.size() > 15 ? line.begin() + 15 : line.end(), line.end());
        at = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    if (values.size() < 9) return 2;
    const std::wstring parameters = values[5] + L" -o " + values[6];
    const auto opened = reinterpret_cast<INT_PTR>(::ShellExecuteW(
        nullptr, L"open", values[4].c_str(), parameters.c_str(), values[3].c_str(), SW_SHOWNORMAL));
    return opened > 32 ? 0 : 1;
}
