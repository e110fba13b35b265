// Starts a program as a Run key, a scheduled task or a front-end does: its one argument, unchanged, is the
// whole command line the program gets, the program's file found in it as Windows finds it without an
// application name. Waits for the program and ends with its exit status (255: it did not start). The
// program runs in a job that ends it when this starter is stopped; programs it starts leave the job.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// The file of an unquoted program path holding a blank, found as Windows finds it: the command line cut at
// its first blank, its second ... (".exe" added to a name without an extension) until such a file exists;
// empty for any other command line. Wine's CreateProcessW, unlike Windows', would put that path in quotes
// in the program's command line; named as application name, it leaves the command line alone.
std::wstring UnquotedProgramWithBlank(const std::wstring& line) {
    for (std::size_t end = line.find(L' '); !line.starts_with(L'"'); end = line.find(L' ', end + 1)) {
        std::wstring file = line.substr(0, end);
        if (file.find(L'.', file.find_last_of(L'\\') + 1) == std::wstring::npos) file += L".exe";
        const DWORD attributes = ::GetFileAttributesW(file.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            return file.find(L' ') == std::wstring::npos ? std::wstring() : file;
        }
        if (end == std::wstring::npos) break;
    }
    return {};
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 255;
    const HANDLE job = ::CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags =
        JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_SILENT_BREAKAWAY_OK;
    ::SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    std::wstring command_line = argv[1];  // CreateProcessW may write into it
    const std::wstring program = UnquotedProgramWithBlank(command_line);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(program.empty() ? nullptr : program.c_str(), command_line.data(), nullptr, nullptr,
                          FALSE, CREATE_SUSPENDED, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "CreateProcessW failed with error %lu\n", ::GetLastError());
        return 255;
    }
    ::AssignProcessToJobObject(job, process.hProcess);
    ::ResumeThread(process.hThread);
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 255;
    ::GetExitCodeProcess(process.hProcess, &status);
    return static_cast<int>(status);
}
