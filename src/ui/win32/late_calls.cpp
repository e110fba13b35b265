#include "ui/win32/late_calls.h"

#include "platform/win32/system_library.h"

namespace vexar::win32::late {

namespace {

// The function `name` of `dll`, found once.
#define VEXAR_LATE(dll, function, source) \
    static const auto call = SystemFunctionOf<decltype(::function)>(dll, #function, source)

constexpr DllSource kVersion6 = DllSource::kManifest;
constexpr DllSource kSystem = DllSource::kSystemFolder;

}  // namespace

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls) {
    VEXAR_LATE(L"comctl32.dll", InitCommonControlsEx, kVersion6);
    return call != nullptr && call(controls);
}

BOOL SetWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
    VEXAR_LATE(L"comctl32.dll", SetWindowSubclass, kVersion6);
    if (call == nullptr) ::SetLastError(ERROR_PROC_NOT_FOUND);
    return call != nullptr && call(window, proc, id, data);
}

BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id) {
    VEXAR_LATE(L"comctl32.dll", RemoveWindowSubclass, kVersion6);
    return call != nullptr && call(window, proc, id);
}

LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    VEXAR_LATE(L"comctl32.dll", DefSubclassProc, kVersion6);
    return call != nullptr ? call(window, message, wparam, lparam)
                           : ::DefWindowProcW(window, message, wparam, lparam);
}

HRESULT OleInitialize() {
    VEXAR_LATE(L"ole32.dll", OleInitialize, kSystem);
    return call != nullptr ? call(nullptr) : E_NOTIMPL;
}

void OleUninitialize() {
    VEXAR_LATE(L"ole32.dll", OleUninitialize, kSystem);
    if (call != nullptr) call();
}

HRESULT CreateStreamOnHGlobal(HGLOBAL memory, BOOL free_on_release, IStream** stream) {
    VEXAR_LATE(L"ole32.dll", CreateStreamOnHGlobal, kSystem);
    return call != nullptr ? call(memory, free_on_release, stream) : E_NOTIMPL;
}

HRESULT OleLoadPicture(IStream* stream, LONG size, BOOL keep_original_format, REFIID id, void** picture) {
    VEXAR_LATE(L"oleaut32.dll", OleLoadPicture, kSystem);
    return call != nullptr ? call(stream, size, keep_original_format, id, picture) : E_NOTIMPL;
}

HRESULT CoCreateInstance(REFCLSID id, IUnknown* outer, DWORD context, REFIID interface_id, void** object) {
    VEXAR_LATE(L"ole32.dll", CoCreateInstance, kSystem);
    return call != nullptr ? call(id, outer, context, interface_id, object) : E_NOTIMPL;
}

}  // namespace vexar::win32::late
