#include "editor/win32/file_drop.h"

#include <shellapi.h>

#include "platform/win32/system_library.h"

namespace vexar::win32 {

namespace {

#define VEXAR_LATE(dll, function) \
    static const auto call = SystemFunctionOf<decltype(::function)>(dll, #function)

// The first file of `drop`, "" for none.
std::wstring FirstFile(HDROP drop) {
    VEXAR_LATE(L"shell32.dll", DragQueryFileW);
    if (call == nullptr) return std::wstring();
    std::wstring path(call(drop, 0, nullptr, 0) + 1, L'\0');
    path.resize(call(drop, 0, path.data(), static_cast<UINT>(path.size())));
    return path;
}

FORMATETC FileFormat() {
    return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

#undef VEXAR_LATE

}  // namespace

void FileDrop::Register(HWND window) {
    static const auto register_drop =
        SystemFunctionOf<decltype(::RegisterDragDrop)>(L"ole32.dll", "RegisterDragDrop");
    if (register_drop != nullptr && SUCCEEDED(register_drop(window, this))) window_ = window;
}

void FileDrop::Revoke() {
    static const auto revoke = SystemFunctionOf<decltype(::RevokeDragDrop)>(L"ole32.dll", "RevokeDragDrop");
    if (window_ != nullptr && revoke != nullptr) revoke(window_);
    window_ = nullptr;
}

void FileDrop::HandleDropFiles(HDROP drop) {
    static const auto point_of =
        SystemFunctionOf<decltype(::DragQueryPoint)>(L"shell32.dll", "DragQueryPoint");
    static const auto finish = SystemFunctionOf<decltype(::DragFinish)>(L"shell32.dll", "DragFinish");
    POINT point{};
    if (point_of != nullptr) point_of(drop, &point);
    const std::wstring path = FirstFile(drop);
    if (finish != nullptr) finish(drop);
    if (!path.empty()) dropped_(path, point);
}

HRESULT FileDrop::QueryInterface(REFIID id, void** object) {
    if (id == IID_IUnknown || id == IID_IDropTarget) {
        *object = static_cast<IDropTarget*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT FileDrop::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    FORMATETC format = FileFormat();
    files_ = data != nullptr && data->QueryGetData(&format) == S_OK;
    *effect = files_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT FileDrop::DragOver(DWORD, POINTL, DWORD* effect) {
    *effect = files_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT FileDrop::DragLeave() {
    files_ = false;
    return S_OK;
}

HRESULT FileDrop::Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) {
    static const auto release =
        SystemFunctionOf<decltype(::ReleaseStgMedium)>(L"ole32.dll", "ReleaseStgMedium");
    *effect = DROPEFFECT_NONE;
    files_ = false;
    FORMATETC format = FileFormat();
    STGMEDIUM medium{};
    if (data == nullptr || FAILED(data->GetData(&format, &medium))) return S_OK;
    const std::wstring path = FirstFile(static_cast<HDROP>(medium.hGlobal));
    if (release != nullptr) release(&medium);
    if (path.empty()) return S_OK;
    *effect = DROPEFFECT_COPY;
    POINT client{point.x, point.y};
    ::ScreenToClient(window_, &client);
    dropped_(path, client);
    return S_OK;
}

}  // namespace vexar::win32
