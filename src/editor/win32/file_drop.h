#pragma once
// Files dropped on a window: through OLE (RegisterDragDrop with an IDropTarget that takes CF_HDROP), which
// every drag source uses, and through WM_DROPFILES for the classic ones. The window is told the first
// file's absolute path and where in its client area it was dropped.

#include <windows.h>

#include <ole2.h>
#include <shellapi.h>

#include <functional>
#include <string>

namespace vexar::win32 {

// Called with the dropped file and the point in the window's client area.
using FileDropped = std::function<void(const std::wstring& path, POINT point)>;

// Accepts files dropped on `window` from Register until Revoke (or the object's end). The object is the
// window's: its reference count never deletes it.
class FileDrop final : public IDropTarget {
public:
    explicit FileDrop(FileDropped dropped) : dropped_(std::move(dropped)) {}
    ~FileDrop() { Revoke(); }
    FileDrop(const FileDrop&) = delete;
    FileDrop& operator=(const FileDrop&) = delete;

    // Registers the object for `window` (OLE must be initialised on the thread; best effort: without OLE
    // only WM_DROPFILES arrives).
    void Register(HWND window);
    void Revoke();
    // Handles WM_DROPFILES's `drop`.
    void HandleDropFiles(HDROP drop);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

private:
    FileDropped dropped_;
    HWND window_ = nullptr;
    bool files_ = false;  // what is being dragged holds files
};

}  // namespace vexar::win32
