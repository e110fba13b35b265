#pragma once
// Stage timings of a program's start, shared by the launcher's stage program and the floor window: a
// clock on the performance counter (one time base for every process of the machine, so that a driver
// can hand its reading to a child it starts) and the line that reports the stages.

#include <windows.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace vexar::bench {

// Milliseconds on the performance counter.
inline double ClockMs() {
    static const double frequency = [] {
        LARGE_INTEGER f{};
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / frequency;
}

// Collects the stages of one start, each from the end of the one before.
class StageClock {
public:
    // `started_ms`: the clock's reading when the process was asked for (the driver's, on the command line).
    explicit StageClock(double started_ms) : last_(started_ms) {}

    // Ends stage `name` now.
    void End(const char* name) {
        const double now = ClockMs();
        stages_.emplace_back(name, now - last_);
        last_ = now;
    }
    // Takes `ms` of the stage that ended last as a stage of its own, `name`, after it.
    void Carve(const char* name, double ms) {
        if (stages_.empty()) return;
        stages_.back().second -= ms;
        stages_.emplace_back(name, ms);
    }

    // Writes "stages side=SIDE name=ms ... total=ms" to the standard output handle (a file the driver gave).
    void Report(const char* side) const {
        std::string line = std::string("stages side=") + side;
        double total = 0;
        char figure[64];
        for (const auto& [name, ms] : stages_) {
            std::snprintf(figure, sizeof figure, " %s=%.2f", name, ms);
            line += figure;
            total += ms;
        }
        std::snprintf(figure, sizeof figure, " total=%.2f\n", total);
        line += figure;
        DWORD written = 0;
        ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), line.data(), static_cast<DWORD>(line.size()), &written,
                    nullptr);
    }

private:
    double last_;
    std::vector<std::pair<const char*, double>> stages_;
};

}  // namespace vexar::bench
