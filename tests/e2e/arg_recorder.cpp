// A stand-in for a game and a CD preparation program: records how it was started, then exits. It writes
// "<own name>-<process id>.rec" into the folder VEXAR_RECORD_DIR names (a full path ending in a backslash;
// it refuses an empty or relative one, writing nothing and ending with status 2: such a one could put records
// into a drive's root, under Wine drive Z:, the machine's "/"), holding
// "<the command line after the program name and its one blank>|<current directory>|<show command or -1>".
// The record appears under its final name only once complete.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::string line = ::GetCommandLineA();
    const std::size_t end = line[0] == '"' ? line.find('"', 1) + 1 : line.find(' ');
    line = end >= line.size() ? std::string() : line.substr(end + 1);
    char buffer[MAX_PATH + 1] = {};
    line += "|" + std::string(buffer, ::GetCurrentDirectoryA(sizeof buffer, buffer));
    STARTUPINFOA startup{};
    ::GetStartupInfoA(&startup);
    line += "|" + std::to_string((startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1);

    std::string name(buffer, ::GetModuleFileNameA(nullptr, buffer, sizeof buffer));
    name = name.substr(name.find_last_of('\\') + 1);
    const DWORD length = ::GetEnvironmentVariableA("VEXAR_RECORD_DIR", buffer, sizeof buffer);
    if (length < 3 || length >= sizeof buffer || buffer[1] != ':' || buffer[2] != '\\') return 2;
    const std::string base = std::string(buffer, length) + name.substr(0, name.find('.')) + "-" +
                             std::to_string(::GetCurrentProcessId());
    HANDLE file =
        ::CreateFileA((base + ".tmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    ::CloseHandle(file);
    return ::MoveFileA((base + ".tmp").c_str(), (base + ".rec").c_str()) ? 0 : 1;
}
