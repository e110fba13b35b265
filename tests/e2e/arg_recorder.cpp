// A stand-in for a game and a CD preparation program: records how it was started, then exits. It writes
// "<own name>-<process id>.rec" into the folder VEXAR_RECORD_DIR names (a full path ending in a backslash;
// it refuses an empty or relative one, writing nothing and ending with status 2: such a one could put records
// into a drive's root, under Wine drive Z:, the machine's "/"), holding in UTF-8
// "<the command line after the program name and its one blank>|<current directory>|<show command or -1>".
// The record appears under its final name only once complete.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::wstring line = ::GetCommandLineW();
    const std::size_t end = line[0] == L'"' ? line.find(L'"', 1) + 1 : line.find(L' ');
    line = end >= line.size() ? std::wstring() : line.substr(end + 1);
    wchar_t buffer[MAX_PATH + 1] = {};
    line += L"|" + std::wstring(buffer, ::GetCurrentDirectoryW(MAX_PATH + 1, buffer));
    STARTUPINFOW startup{};
    ::GetStartupInfoW(&startup);
    line += L"|" + std::to_wstring((startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1);
    std::string record(line.size() * 3, '\0');
    record.resize(::WideCharToMultiByte(CP_UTF8, 0, line.data(), int(line.size()), record.data(),
                                        int(record.size()), nullptr, nullptr));

    std::wstring name(buffer, ::GetModuleFileNameW(nullptr, buffer, MAX_PATH + 1));
    name = name.substr(name.find_last_of(L'\\') + 1);
    const DWORD length = ::GetEnvironmentVariableW(L"VEXAR_RECORD_DIR", buffer, MAX_PATH + 1);
    if (length < 3 || length > MAX_PATH || buffer[1] != L':' || buffer[2] != L'\\') return 2;
    const std::wstring base = std::wstring(buffer, length) + name.substr(0, name.find(L'.')) + L"-" +
                              std::to_wstring(::GetCurrentProcessId());
    std::ofstream(std::filesystem::path(base + L".tmp"), std::ios::binary) << record;
    return ::MoveFileW((base + L".tmp").c_str(), (base + L".rec").c_str()) ? 0 : 1;
}
