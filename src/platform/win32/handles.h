#pragma once
// One RAII owner per Win32 handle kind: non-copyable, movable, get/reset/release, explicit bool.
// Closing keeps GetLastError intact, so an error code read after cleanup is still the failure's.

#include <windows.h>

#include <cstdint>
#include <utility>

namespace vexar::win32 {

// `InvalidValue` is the handle kind's "no handle" value as an integer: a pointer such as
// INVALID_HANDLE_VALUE cannot be a template argument.
template <typename T, auto Close, std::intptr_t InvalidValue>
class UniqueAny {
    static T Invalid() noexcept { return reinterpret_cast<T>(InvalidValue); }

public:
    UniqueAny() noexcept = default;
    explicit UniqueAny(T value) noexcept : value_(value) {}
    ~UniqueAny() { reset(); }
    UniqueAny(const UniqueAny&) = delete;
    UniqueAny& operator=(const UniqueAny&) = delete;
    UniqueAny(UniqueAny&& other) noexcept : value_(other.release()) {}
    UniqueAny& operator=(UniqueAny&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    T get() const noexcept { return value_; }
    explicit operator bool() const noexcept { return value_ != Invalid(); }
    // Closes the owned handle (if any) and takes `value`.
    void reset(T value = Invalid()) noexcept {
        if (value_ != Invalid()) {
            const DWORD saved = ::GetLastError();
            Close(value_);
            ::SetLastError(saved);
        }
        value_ = value;
    }
    // Gives up ownership and returns the handle.
    T release() noexcept { return std::exchange(value_, Invalid()); }

private:
    T value_ = Invalid();
};

namespace detail {
inline void CloseKernelHandle(HANDLE h) noexcept {
    ::CloseHandle(h);
}
inline void CloseFind(HANDLE h) noexcept {
    ::FindClose(h);
}
inline void DestroyWindowHandle(HWND h) noexcept {
    ::DestroyWindow(h);
}
inline void DeleteFont(HFONT h) noexcept {
    ::DeleteObject(h);
}
inline void DeleteBitmap(HBITMAP h) noexcept {
    ::DeleteObject(h);
}
inline void DestroyIconHandle(HICON h) noexcept {
    ::DestroyIcon(h);
}
inline void DeleteDcHandle(HDC h) noexcept {
    ::DeleteDC(h);
}
inline void FreeGlobal(HGLOBAL h) noexcept {
    ::GlobalFree(h);
}
template <typename Interface>
inline void ReleaseCom(Interface* p) noexcept {
    p->Release();
}
}  // namespace detail

// A kernel handle whose "none" is INVALID_HANDLE_VALUE: a file from CreateFile.
using UniqueFile = UniqueAny<HANDLE, detail::CloseKernelHandle, -1>;
// A find handle from FindFirstFile.
using UniqueFind = UniqueAny<HANDLE, detail::CloseFind, -1>;
using UniqueWindow = UniqueAny<HWND, detail::DestroyWindowHandle, 0>;
using UniqueFont = UniqueAny<HFONT, detail::DeleteFont, 0>;
using UniqueBitmap = UniqueAny<HBITMAP, detail::DeleteBitmap, 0>;
using UniqueIcon = UniqueAny<HICON, detail::DestroyIconHandle, 0>;
// A memory device context from CreateCompatibleDC.
using UniqueDc = UniqueAny<HDC, detail::DeleteDcHandle, 0>;
// A global memory block from GlobalAlloc.
using UniqueGlobal = UniqueAny<HGLOBAL, detail::FreeGlobal, 0>;
// A COM interface pointer: one reference, released on reset.
template <typename Interface>
using UniqueCom = UniqueAny<Interface*, detail::ReleaseCom<Interface>, 0>;

}  // namespace vexar::win32
