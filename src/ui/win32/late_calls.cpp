#include "ui/win32/late_calls.h"

#include "platform/win32/system_library.h"

namespace vexar::win32::late {

// The function `function` of `dll`, found once, as `call`.
#define VEXAR_LATE(dll, function, source) \
    static const auto call = SystemFunctionOf<decltype(::function)>(dll, #function, DllSource::source)

namespace {

// What a call that returns a BOOL does when its DLL or function is missing: fails, saying why.
BOOL Missing() {
    ::SetLastError(ERROR_PROC_NOT_FOUND);
    return FALSE;
}

}  // namespace

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls) {
    VEXAR_LATE(L"comctl32.dll", InitCommonControlsEx, kManifest);
    return call != nullptr ? call(controls) : Missing();
}

BOOL SetWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
    VEXAR_LATE(L"comctl32.dll", SetWindowSubclass, kManifest);
    return call != nullptr ? call(window, proc, id, data) : Missing();
}

BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id) {
    VEXAR_LATE(L"comctl32.dll", RemoveWindowSubclass, kManifest);
    return call != nullptr ? call(window, proc, id) : Missing();
}

LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    VEXAR_LATE(L"comctl32.dll", DefSubclassProc, kManifest);
    return call != nullptr ? call(window, message, wparam, lparam)
                           : ::DefWindowProcW(window, message, wparam, lparam);
}

HRESULT OleInitialize() {
    VEXAR_LATE(L"ole32.dll", OleInitialize, kSystemFolder);
    return call != nullptr ? call(nullptr) : E_NOTIMPL;
}

void OleUninitialize() {
    VEXAR_LATE(L"ole32.dll", OleUninitialize, kSystemFolder);
    if (call != nullptr) call();
}

HRESULT CreateStreamOnHGlobal(HGLOBAL memory, BOOL free_on_release, IStream** stream) {
    VEXAR_LATE(L"ole32.dll", CreateStreamOnHGlobal, kSystemFolder);
    return call != nullptr ? call(memory, free_on_release, stream) : E_NOTIMPL;
}

HRESULT OleLoadPicture(IStream* stream, LONG size, BOOL keep_original_format, REFIID id, void** picture) {
    VEXAR_LATE(L"oleaut32.dll", OleLoadPicture, kSystemFolder);
    return call != nullptr ? call(stream, size, keep_original_format, id, picture) : E_NOTIMPL;
}

HRESULT CoCreateInstance(REFCLSID id, IUnknown* outer, DWORD context, REFIID interface_id, void** object) {
    VEXAR_LATE(L"ole32.dll", CoCreateInstance, kSystemFolder);
    return call != nullptr ? call(id, outer, context, interface_id, object) : E_NOTIMPL;
}

#undef VEXAR_LATE

}  // namespace vexar::win32::late
