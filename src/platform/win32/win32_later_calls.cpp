#include "platform/win32/win32_later_calls.h"

#include <windows.h>

#include <atomic>

namespace vexar::win32 {

namespace {

// Function `name` of kernel32, which every process has loaded; null when this Windows lacks it.
FARPROC Kernel32Function(const char* name) {
    const HMODULE kernel32 = ::GetModuleHandleW(L"kernel32.dll");
    return kernel32 == nullptr ? nullptr : ::GetProcAddress(kernel32, name);
}

using TickCount64Call = ULONGLONG(WINAPI*)();

// GetTickCount64, or null, looked up at the first call. Plain atomics, no function-local static: the
// thread library calls the count while it waits, and a guarded static could wait on the thread library.
TickCount64Call SystemTickCount64() {
    static constinit std::atomic<bool> looked_up{false};
    static constinit std::atomic<TickCount64Call> call{nullptr};
    if (!looked_up.load(std::memory_order_acquire)) {
        call.store(
            reinterpret_cast<TickCount64Call>(reinterpret_cast<void*>(Kernel32Function("GetTickCount64"))),
            std::memory_order_relaxed);
        looked_up.store(true, std::memory_order_release);
    }
    return call.load(std::memory_order_relaxed);
}

// GetTickCount's count extended to 64 bits; the last count given is shared by every thread.
std::uint64_t ExtendedTickCount() {
    static constinit std::atomic<std::uint64_t> last{0};
    static_assert(std::atomic<std::uint64_t>::is_always_lock_free);
    std::uint64_t previous = last.load();
    for (;;) {
        // Read after `previous`: a count read before another thread's later one would look like a lap.
        const std::uint64_t next = platform::ExtendTickCount(previous, ::GetTickCount());
        if (last.compare_exchange_weak(previous, next)) return next;
    }
}

}  // namespace

platform::LaterCalls PresentLaterCalls() {
    return platform::LaterCalls{
        .file_information_by_handle = Kernel32Function("SetFileInformationByHandle") != nullptr,
        .tick_count_64 = SystemTickCount64() != nullptr,
    };
}

std::uint64_t TickCount64(const platform::LaterCalls& calls) {
    if (calls.tick_count_64) {
        if (const TickCount64Call call = SystemTickCount64()) return call();
    }
    return ExtendedTickCount();
}

}  // namespace vexar::win32

// The GetTickCount64 that the 32-bit build's thread library calls (winpthreads_tick_count.S points its
// import there): GetTickCount64 itself where Windows has it, an extended GetTickCount on Windows XP.
extern "C" ULONGLONG WINAPI vexar_tick_count_64() {
    return vexar::win32::TickCount64(vexar::platform::LaterCalls{});
}
