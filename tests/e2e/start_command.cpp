// Starts a program as a Run key, a scheduled task or a front-end does:  start_command PROGRAM COMMAND_LINE
// COMMAND_LINE, unchanged, is the whole command line PROGRAM gets (Windows finds PROGRAM in an unquoted
// line itself; named here, Wine cannot put that line's path in quotes as its CreateProcessW would). Waits
// for the program and ends with its exit status (255: it did not start). The program runs in a job that
// ends it when this starter is stopped; programs it starts leave the job.
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 255;
    const HANDLE job = ::CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags =
        JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_SILENT_BREAKAWAY_OK;
    ::SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    std::wstring command_line = argv[2];  // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(argv[1], command_line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                          nullptr, &startup, &process)) {
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
