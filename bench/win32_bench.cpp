// Timings of the launcher's file work under Windows (or Wine), each against the least work that any
// program doing the same job must do with plain Win32 calls, measured in the same run:
//
//   fill ROOT N REPEATS           start-up list fill (SortedFiles and the list reads, no window) on N
//                                 configs vs listing the folder and reading the first bytes of each file
//   delete ROOT FILES DIRS REPEATS  DeleteFolderTree on FILES files in DIRS folders vs a plain recursive
//                                 FindFirstFile/DeleteFile/RemoveDirectory removal
//   memory ROOT N [baseline]      the process's peak working set after one list fill (or one baseline)
//   startup ROOT N REPEATS EXE FLOOR FLOOR_V6
//                                 the launcher EXE from its start to its window shown with all N games
//                                 listed, vs the floor window (floor_window.cpp) without a manifest and
//                                 with the launcher's; with each process's peak working set by then
//   stages ROOT N REPEATS STAGES_EXE FLOOR FLOOR_V6
//                                 the same starts in stages, as the programs time them themselves
//                                 (startup_stages.cpp for the launcher)
//   run ROOT REPEATS EXE FLOOR FLOOR_V6
//                                 "EXE /run game -o" from its start to its end, right after its request to
//                                 open the game, vs the /run floor (run_floor.cpp) without a manifest and
//                                 with the launcher's; the game is the floor itself, which ends at once
//   check ROOT N REPEATS          the game-file checker (VexarCheck's whole check) on N configs vs the
//                                 launcher's start-up list fill on the same folder
//
// Test data is made under ROOT on first use and kept for later runs. Every measurement is repeated,
// the sides alternating, and the median is printed as one "key=value" line per measurement.

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "bench_data.h"
#include "config_starts.h"
#include "checker/launcher_folder_check.h"
#include "checker/win32/win32_shell_folders.h"
#include "file_utils/mdlGlobalFunctions.h"
#include "launcher/frmVexarLaunch.h"
#include "double/platform_double.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_codec.h"
#include "platform/win32/win32_file_system.h"
#include "stage_clock.h"

namespace {

// A kernel handle whose "none" is null: a process or thread from CreateProcess.
using UniqueHandle = vexar::win32::UniqueAny<HANDLE, vexar::win32::detail::CloseKernelHandle, 0>;

using vexar::win32::UniqueFile;
using vexar::win32::UniqueFind;

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "benchmark failed: %s (Win32 error %lu)\n", what.c_str(), ::GetLastError());
    std::exit(2);
}

void MakeFolder(const std::string& path) {
    if (!::CreateDirectoryA(path.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) {
        Fail("cannot create " + path);
    }
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteWholeFile(const std::string& path, const std::string& content) {
    UniqueFile file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) Fail("cannot create " + path);
    DWORD put = 0;
    if (!::WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &put, nullptr) ||
        put != content.size()) {
        Fail("cannot write " + path);
    }
}

// Milliseconds that `work` takes.
double TimeMs(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// ROOT\fill-N with Configs\ holding N valid configuration files; made once.
std::string FillFolder(const std::string& root, std::size_t count) {
    const std::string folder = root + "\\fill-" + std::to_string(count);
    const std::string ready = folder + "\\complete.txt";
    if (Exists(ready)) return folder;
    MakeFolder(root);
    MakeFolder(folder);
    MakeFolder(folder + "\\Configs");
    for (const std::string& name : vexar::bench::ConfigNames(count)) {
        WriteWholeFile(folder + "\\Configs\\" + name,
                       vexar::bench::ConfigContent(name.substr(0, name.size() - 4)));
    }
    WriteWholeFile(ready, "");
    return folder;
}

// The launcher's start-up list fill, as the main window's initialisation runs it; returns the number
// of list entries.
std::size_t LauncherFill() {
    vexar::win32::Win32Codec codec;
    vexar::win32::Win32FileSystem files;
    vexar::testing::FakeShell shell;
    vexar::testing::FakeMessageBoxes boxes;
    vexar::testing::FakeLauncherView view;
    vexar::frmVexarLaunch form({files, shell, boxes, codec}, view, vexar::LauncherPaths{});
    form.Form_Initialize();
    if (!boxes.shown.empty()) Fail("the fill showed \"" + boxes.shown.front().text + "\"");
    return view.entries.size();
}

// The least any launcher must do (config_starts.h); returns the number of files read.
std::size_t BaselineFill() {
    std::size_t read = 0;
    const bool listed = vexar::bench::ReadConfigStarts([&read](const std::wstring& path, auto start) {
        if (!start) Fail("cannot read a config (" + std::to_string(path.size()) + " characters)");
        ++read;
    });
    if (!listed) Fail("cannot list Configs");
    return read;
}

// VexarCheck's check of the current folder: each file read in full, each start folder and program looked
// up; returns the number of games it finds listed.
std::size_t CheckerRun() {
    vexar::win32::Win32Codec codec;
    vexar::win32::Win32FileSystem files;
    const vexar::win32::Win32ShellFolders shell;
    return static_cast<std::size_t>(vexar::CheckLauncherFolder(files, codec, shell).games_listed);
}

void EnterFolder(const std::string& folder) {
    if (!::SetCurrentDirectoryA(folder.c_str())) Fail("cannot enter " + folder);
}

// Times `first` and `second` in turns, `repeats` times each; returns their medians in ms.
std::pair<double, double> MediansInTurn(int repeats, const std::function<void()>& first,
                                        const std::function<void()>& second) {
    std::vector<double> a;
    std::vector<double> b;
    for (int r = 0; r < repeats; ++r) {
        a.push_back(TimeMs(first));
        b.push_back(TimeMs(second));
    }
    return {Median(a), Median(b)};
}

int RunFill(const std::string& root, std::size_t count, int repeats) {
    EnterFolder(FillFolder(root, count));
    // One untimed pass of each, so that both find the same warm caches.
    if (LauncherFill() != count) Fail("the launcher listed a wrong number of games");
    if (BaselineFill() != count) Fail("the baseline read a wrong number of files");
    const auto [l, b] = MediansInTurn(
        repeats, [] { LauncherFill(); }, [] { BaselineFill(); });
    std::printf("fill n=%zu launcher_ms=%.2f baseline_ms=%.2f ratio=%.2f\n", count, l, b, l / b);
    return 0;
}

int RunCheck(const std::string& root, std::size_t count, int repeats) {
    EnterFolder(FillFolder(root, count));
    if (CheckerRun() != count) Fail("the checker found a wrong number of games");
    if (LauncherFill() != count) Fail("the launcher listed a wrong number of games");
    const auto [c, l] = MediansInTurn(
        repeats, [] { CheckerRun(); }, [] { LauncherFill(); });
    std::printf("check n=%zu checker_ms=%.2f launcher_ms=%.2f ratio=%.2f\n", count, c, l, c / l);
    return 0;
}

void MakeTree(const std::string& path, std::size_t files, std::size_t folders) {
    MakeFolder(path);
    const std::string content = vexar::bench::ConfigContent("tree");
    for (std::size_t d = 0; d < folders; ++d) {
        const std::string folder = path + "\\dir" + std::to_string(d);
        MakeFolder(folder);
        for (std::size_t f = d; f < files; f += folders) {
            WriteWholeFile(folder + "\\file" + std::to_string(f) + ".dat", content);
        }
    }
}

// Plain recursive removal: delete the files while listing, enter each subdirectory as it is met.
bool BaselineDelete(const std::string& path) {
    WIN32_FIND_DATAA data;
    UniqueFind find(::FindFirstFileA((path + "\\*.*").c_str(), &data));
    if (!find) return false;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        const std::string child = path + "\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!BaselineDelete(child)) return false;
        } else if (!::DeleteFileA(child.c_str())) {
            return false;
        }
    } while (::FindNextFileA(find.get(), &data));
    find.reset();
    return ::RemoveDirectoryA(path.c_str()) != 0;
}

int RunDelete(const std::string& root, std::size_t files, std::size_t folders, int repeats) {
    MakeFolder(root);
    const std::string launcher_tree = root + "\\tree-launcher";
    const std::string baseline_tree = root + "\\tree-baseline";
    vexar::win32::Win32FileSystem file_system;
    std::vector<double> launcher;
    std::vector<double> baseline;
    for (int r = 0; r < repeats; ++r) {
        MakeTree(launcher_tree, files, folders);
        std::int32_t status = 0;
        launcher.push_back(TimeMs([&] { status = vexar::DeleteFolderTree(file_system, launcher_tree); }));
        if (status != 0 || Exists(launcher_tree)) Fail("DeleteFolderTree returned " + std::to_string(status));
        MakeTree(baseline_tree, files, folders);
        bool done = false;
        baseline.push_back(TimeMs([&] { done = BaselineDelete(baseline_tree); }));
        if (!done || Exists(baseline_tree)) Fail("the baseline removal failed");
    }
    const double l = Median(launcher);
    const double b = Median(baseline);
    std::printf("delete files=%zu folders=%zu launcher_ms=%.2f baseline_ms=%.2f ratio=%.2f\n", files, folders,
                l, b, l / b);
    return 0;
}

std::size_t WorkingSet(bool peak) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters))
        Fail("no memory counters");
    return peak ? counters.PeakWorkingSetSize : counters.WorkingSetSize;
}

int RunMemory(const std::string& root, std::size_t count, bool baseline) {
    EnterFolder(FillFolder(root, count));
    const std::size_t before = WorkingSet(false);
    const std::size_t listed = baseline ? BaselineFill() : LauncherFill();
    if (listed != count) Fail("wrong number of games");
    std::printf("memory n=%zu side=%s start_kib=%zu peak_kib=%zu\n", count,
                baseline ? "baseline" : "launcher", before / 1024, WorkingSet(true) / 1024);
    return 0;
}

// A process started in `folder`, its standard output going to `output` (an inheritable handle) when one
// is given; it is waited for (at most 60 s) when this object goes.
class ChildProcess {
public:
    ChildProcess(const std::string& command, const std::string& folder, HANDLE output = nullptr) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (output != nullptr) {
            startup.dwFlags = STARTF_USESTDHANDLES;
            startup.hStdOutput = output;
        }
        std::string line = command;
        if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, output != nullptr, 0, nullptr,
                              folder.c_str(), &startup, &info_)) {
            Fail("cannot start " + command);
        }
        process_.reset(info_.hProcess);
        thread_.reset(info_.hThread);
    }
    ~ChildProcess() {
        if (::WaitForSingleObject(process_.get(), 60000) != WAIT_OBJECT_0)
            ::TerminateProcess(process_.get(), 1);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    DWORD id() const { return info_.dwProcessId; }
    HANDLE handle() const { return process_.get(); }
    // True once the process has ended, waiting at most `ms` milliseconds.
    bool Ended(DWORD ms) const { return ::WaitForSingleObject(process_.get(), ms) == WAIT_OBJECT_0; }
    // The process's peak working set so far, in KiB.
    std::size_t PeakKib() const {
        PROCESS_MEMORY_COUNTERS counters{};
        counters.cb = sizeof counters;
        if (!::GetProcessMemoryInfo(process_.get(), &counters, sizeof counters)) return 0;
        return counters.PeakWorkingSetSize / 1024;
    }

private:
    PROCESS_INFORMATION info_{};
    UniqueHandle process_;
    UniqueHandle thread_;
};

struct WindowSearch {
    DWORD process;
    HWND found;
};

// EnumWindows' callback (a system callback, hence CALLBACK: a lambda would not have the 32-bit build's
// calling convention): keeps the first visible window of the searched process and stops there.
BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM param) {
    auto& s = *reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != s.process || !::IsWindowVisible(window)) return TRUE;
    s.found = window;
    return FALSE;
}

// The visible top-level window of process `process` whose combo box lists at least `count` entries.
HWND FilledWindow(DWORD process, std::size_t count) {
    WindowSearch search{process, nullptr};
    ::EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) return nullptr;
    HWND combo = ::FindWindowExA(search.found, nullptr, "ComboBox", nullptr);
    if (combo == nullptr) return nullptr;
    const LRESULT listed = ::SendMessageA(combo, CB_GETCOUNT, 0, 0);
    return listed != CB_ERR && static_cast<std::size_t>(listed) >= count ? search.found : nullptr;
}

// The programs compared from their start to a filled window: the launcher and the two floor windows.
struct Contender {
    const char* side;
    std::string exe;
};

std::vector<Contender> Contenders(const std::string& launcher, const std::string& floor,
                                  const std::string& floor_v6) {
    return {{"launcher", launcher}, {"floor", floor}, {"floor_v6", floor_v6}};
}

// Runs `body(contender)` for every contender in `repeats` + 1 rounds (the first only warms the caches),
// starting each round with another contender so that none always runs first.
template <typename Body>
void Rounds(const std::vector<Contender>& contenders, int repeats, Body&& body) {
    for (int r = 0; r <= repeats; ++r) {
        for (std::size_t k = 0; k < contenders.size(); ++k) {
            body(contenders[(k + static_cast<std::size_t>(r)) % contenders.size()], r > 0);
        }
    }
}

int RunStartup(const std::string& root, std::size_t count, int repeats,
               const std::vector<Contender>& contenders) {
    const std::string folder = FillFolder(root, count);
    std::map<std::string, std::vector<double>> ms;
    std::map<std::string, std::vector<double>> peak_kib;
    Rounds(contenders, repeats, [&](const Contender& contender, bool counted) {
        const auto start = std::chrono::steady_clock::now();
        ChildProcess child("\"" + contender.exe + "\"", folder);
        HWND window = nullptr;
        while ((window = FilledWindow(child.id(), count)) == nullptr) {
            if (child.Ended(1)) Fail(std::string(contender.side) + " ended before its list was filled");
            if (std::chrono::steady_clock::now() - start > std::chrono::minutes(10)) Fail("no filled window");
        }
        const double shown_ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        const std::size_t peak = child.PeakKib();
        ::PostMessageA(window, WM_CLOSE, 0, 0);
        if (!counted) return;
        ms[contender.side].push_back(shown_ms);
        peak_kib[contender.side].push_back(static_cast<double>(peak));
    });
    const double l = Median(ms["launcher"]);
    const double f = Median(ms["floor"]);
    const double f6 = Median(ms["floor_v6"]);
    // The fastest of the repeats too: on a loaded machine other work only ever adds time.
    const auto fastest = [&](const char* side) {
        return *std::min_element(ms[side].begin(), ms[side].end());
    };
    std::printf(
        "startup n=%zu launcher_ms=%.2f floor_ms=%.2f floor_v6_ms=%.2f ratio=%.2f ratio_v6=%.2f "
        "launcher_min_ms=%.2f floor_min_ms=%.2f floor_v6_min_ms=%.2f "
        "launcher_peak_kib=%.0f floor_peak_kib=%.0f floor_v6_peak_kib=%.0f\n",
        count, l, f, f6, l / f, l / f6, fastest("launcher"), fastest("floor"), fastest("floor_v6"),
        Median(peak_kib["launcher"]), Median(peak_kib["floor"]), Median(peak_kib["floor_v6"]));
    return 0;
}

// Runs `command stages CLOCK` in `folder` and returns the "name=ms" pairs of the line it reports.
std::vector<std::pair<std::string, double>> StagesOf(const std::string& command, const std::string& folder) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const std::string path = folder + "\\stages.txt";
    UniqueFile output(::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!output) Fail("cannot create " + path);
    char clock[32];
    std::snprintf(clock, sizeof clock, " stages %.4f", vexar::bench::ClockMs());
    { ChildProcess child("\"" + command + "\"" + clock, folder, output.get()); }
    std::string text(4096, '\0');
    DWORD got = 0;
    ::SetFilePointer(output.get(), 0, nullptr, FILE_BEGIN);
    if (!::ReadFile(output.get(), text.data(), static_cast<DWORD>(text.size()), &got, nullptr) || got == 0)
        Fail(command + " reported no stages");
    text.resize(got);
    std::vector<std::pair<std::string, double>> stages;
    std::size_t at = text.find(' ');
    while (at != std::string::npos && at + 1 < text.size()) {
        const std::size_t end = text.find_first_of(" \n", at + 1);
        const std::string pair = text.substr(at + 1, end - at - 1);
        const std::size_t equals = pair.find('=');
        if (equals != std::string::npos && pair.compare(0, equals, "side") != 0)
            stages.emplace_back(pair.substr(0, equals), std::strtod(pair.c_str() + equals + 1, nullptr));
        at = end != std::string::npos && text[end] == ' ' ? end : std::string::npos;
    }
    return stages;
}

int RunStages(const std::string& root, std::size_t count, int repeats,
              const std::vector<Contender>& contenders) {
    const std::string folder = FillFolder(root, count);
    // Per side, the stages in their order, each with its figures.
    std::map<std::string, std::vector<std::pair<std::string, std::vector<double>>>> figures;
    Rounds(contenders, repeats, [&](const Contender& contender, bool counted) {
        const auto stages = StagesOf(contender.exe, folder);
        if (!counted) return;
        auto& side = figures[contender.side];
        for (const auto& [name, ms] : stages) {
            auto found =
                std::find_if(side.begin(), side.end(), [&](const auto& s) { return s.first == name; });
            if (found == side.end()) found = side.insert(side.end(), {name, {}});
            found->second.push_back(ms);
        }
    });
    for (const Contender& contender : contenders) {
        std::printf("stages n=%zu side=%s", count, contender.side);
        for (const auto& [name, values] : figures[contender.side])
            std::printf(" %s=%.2f", name.c_str(), Median(values));
        std::printf("\n");
    }
    return 0;
}

// ROOT\run with Configs\game.cfg, whose game is `game` (started in `root`).
std::string RunFolder(const std::string& root, const std::string& game) {
    const std::string folder = root + "\\run";
    MakeFolder(root);
    MakeFolder(folder);
    MakeFolder(folder + "\\Configs");
    WriteWholeFile(folder + "\\Configs\\game.cfg",
                   "LABELVEXARLNCH]\r\nTitle:         Game\r\nNotes:         notes\r\nStart Location:" +
                       root + "\r\nLaunch File:   " + game +
                       "\r\nDefault Params:-d\r\nHD Params:     -h\r\n"
                       "CD Prelaunch:  \r\nCD Params:     \r\n");
    return folder;
}

int RunRun(const std::string& root, int repeats, const std::vector<Contender>& contenders) {
    const std::string folder = RunFolder(root, contenders[1].exe);
    std::map<std::string, std::vector<double>> ms;
    Rounds(contenders, repeats, [&](const Contender& contender, bool counted) {
        const auto start = std::chrono::steady_clock::now();
        const std::string arguments = contender.exe == contenders[0].exe ? " /run game -o" : "";
        DWORD status = 0;
        {
            ChildProcess child("\"" + contender.exe + "\"" + arguments, folder);
            if (!child.Ended(60000) || !::GetExitCodeProcess(child.handle(), &status)) Fail("no end");
        }
        if (status != 0) Fail(std::string(contender.side) + " did not start the game");
        if (counted) {
            ms[contender.side].push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
    });
    const double l = Median(ms["launcher"]), f = Median(ms["floor"]), f6 = Median(ms["floor_v6"]);
    std::printf("run launcher_ms=%.2f floor_ms=%.2f floor_v6_ms=%.2f ratio=%.2f ratio_v6=%.2f\n", l, f, f6,
                l / f, l / f6);
    return 0;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: vexar_bench_win32 fill ROOT N REPEATS\n"
                 "       vexar_bench_win32 delete ROOT FILES FOLDERS REPEATS\n"
                 "       vexar_bench_win32 memory ROOT N [baseline]\n"
                 "       vexar_bench_win32 startup ROOT N REPEATS EXE FLOOR FLOOR_V6\n"
                 "       vexar_bench_win32 stages ROOT N REPEATS STAGES_EXE FLOOR FLOOR_V6\n"
                 "       vexar_bench_win32 run ROOT REPEATS EXE FLOOR FLOOR_V6\n"
                 "       vexar_bench_win32 check ROOT N REPEATS\n");
    return 1;
}

std::size_t Number(const char* text) {
    return static_cast<std::size_t>(std::strtoull(text, nullptr, 10));
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 4 && args[0] == "fill")
        return RunFill(args[1], Number(argv[3]), static_cast<int>(Number(argv[4])));
    if (args.size() == 4 && args[0] == "check")
        return RunCheck(args[1], Number(argv[3]), static_cast<int>(Number(argv[4])));
    if (args.size() == 5 && args[0] == "delete") {
        return RunDelete(args[1], Number(argv[3]), Number(argv[4]), static_cast<int>(Number(argv[5])));
    }
    if ((args.size() == 3 || (args.size() == 4 && args[3] == "baseline")) && args[0] == "memory") {
        return RunMemory(args[1], Number(argv[3]), args.size() == 4);
    }
    if (args.size() == 7 && (args[0] == "startup" || args[0] == "stages")) {
        const auto run = args[0] == "startup" ? RunStartup : RunStages;
        return run(args[1], Number(argv[3]), static_cast<int>(Number(argv[4])),
                   Contenders(args[4], args[5], args[6]));
    }
    if (args.size() == 6 && args[0] == "run")
        return RunRun(args[1], static_cast<int>(Number(argv[3])), Contenders(args[3], args[4], args[5]));
    return Usage();
}
