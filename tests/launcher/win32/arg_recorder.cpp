// A stand-in for a game and for a CD preparation program: records how it was started, then exits.
//
// It writes "<own name>-<process id>.rec" into the folder named by the environment variable
// VEXAR_RECORD_DIR (beside itself when the variable is not set). The record holds three lines:
//   args=<the command line after the program name and its one separating blank, byte for byte>
//   dir=<the current directory>
//   show=<STARTUPINFO.wShowWindow, or -1 when STARTF_USESHOWWINDOW is not set>
// The record is written under a temporary name and then renamed, so a reader never sees half of it.
#include <windows.h>

#include <string>

#include "platform/win32/handles.h"

namespace {

// The command line after the program name, without the one blank that separates them.
std::string ArgumentTail() {
    const char* line = ::GetCommandLineA();
    const char* p = line;
    if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"') ++p;
        if (*p == '"') ++p;
    } else {
        while (*p != '\0' && *p != ' ' && *p != '\t') ++p;
    }
    if (*p == ' ' || *p == '\t') ++p;
    return std::string(p);
}

std::string CurrentDirectory() {
    char buffer[MAX_PATH + 1];
    const DWORD length = ::GetCurrentDirectoryA(sizeof buffer, buffer);
    return length == 0 || length > MAX_PATH ? std::string() : std::string(buffer, length);
}

int ShowCommand() {
    STARTUPINFOA info{};
    info.cb = sizeof info;
    ::GetStartupInfoA(&info);
    return (info.dwFlags & STARTF_USESHOWWINDOW) != 0 ? info.wShowWindow : -1;
}

// The record folder, ending in a backslash.
std::string RecordFolder() {
    char buffer[MAX_PATH + 1];
    const DWORD length = ::GetEnvironmentVariableA("VEXAR_RECORD_DIR", buffer, sizeof buffer);
    std::string folder;
    if (length > 0 && length <= MAX_PATH) {
        folder.assign(buffer, length);
    } else {
        const DWORD module_length = ::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
        folder.assign(buffer, module_length);
        folder.erase(folder.find_last_of('\\') + 1);
    }
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder;
}

// The program's file name without folder and extension.
std::string OwnName() {
    char buffer[MAX_PATH + 1];
    const DWORD length = ::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    std::string name(buffer, length);
    name.erase(0, name.find_last_of('\\') + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string record = "args=" + ArgumentTail() + "\ndir=" + CurrentDirectory() +
                               "\nshow=" + std::to_string(ShowCommand()) + "\n";
    const std::string base = RecordFolder() + OwnName() + "-" + std::to_string(::GetCurrentProcessId());
    const std::string temporary = base + ".tmp";
    vexar::win32::UniqueFile file(::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return 1;
    DWORD written = 0;
    const BOOL ok =
        ::WriteFile(file.get(), record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    file.reset();
    if (!ok || written != record.size()) return 1;
    return ::MoveFileA(temporary.c_str(), (base + ".rec").c_str()) ? 0 : 1;
}
