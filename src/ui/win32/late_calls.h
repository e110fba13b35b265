#pragma once
// The common controls (comctl32) and OLE calls of the windows, found at their first use
// (platform/win32/system_library.h) rather than imported: only a start that makes windows loads those
// DLLs. Each behaves as the Windows call of its name; when the DLL or the function is missing it fails as
// that call fails: FALSE with ERROR_PROC_NOT_FOUND as the last error, or E_NOTIMPL.

#include <windows.h>

#include <commctrl.h>
#include <ole2.h>
#include <olectl.h>

namespace vexar::win32::late {

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls);
BOOL SetWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data);
BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id);
// Without common controls, the window's own procedure.
LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

HRESULT OleInitialize();
void OleUninitialize();
HRESULT CreateStreamOnHGlobal(HGLOBAL memory, BOOL free_on_release, IStream** stream);
HRESULT OleLoadPicture(IStream* stream, LONG size, BOOL keep_original_format, REFIID id, void** picture);
HRESULT CoCreateInstance(REFCLSID id, IUnknown* outer, DWORD context, REFIID interface_id, void** object);

}  // namespace vexar::win32::late
