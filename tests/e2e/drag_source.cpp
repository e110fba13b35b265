// A drag source for the editor's journeys: a window at the top left of the screen that, once the mouse
// button goes down on it, drags the file FILE (the shell's data object for it) with OLE until the button
// goes up. Status 0 when the drop was taken, 1 when not, 2 when the file or the window cannot be had.
//   drag_source FILE
#include <windows.h>

#include <ole2.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace {

IDataObject* dragged = nullptr;

class Source final : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        *object = id == IID_IUnknown || id == IID_IDropSource ? this : nullptr;
        return *object != nullptr ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        if (escape) return DRAGDROP_S_CANCEL;
        return (keys & MK_LBUTTON) != 0 ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_LBUTTONDOWN) {
        Source source;
        DWORD effect = DROPEFFECT_NONE;
        const HRESULT result = ::DoDragDrop(dragged, &source, DROPEFFECT_COPY, &effect);
        ::PostQuitMessage(result == DRAGDROP_S_DROP && effect != DROPEFFECT_NONE ? 0 : 1);
        return 0;
    }
    return ::DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    IShellItem* item = nullptr;
    if (argc != 2 || FAILED(::OleInitialize(nullptr)) ||
        FAILED(::SHCreateItemFromParsingName(argv[1], nullptr, IID_IShellItem,
                                             reinterpret_cast<void**>(&item))) ||
        FAILED(item->BindToHandler(nullptr, BHID_DataObject, IID_IDataObject,
                                   reinterpret_cast<void**>(&dragged)))) {
        return 2;
    }
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = &Procedure;
    window_class.hInstance = ::GetModuleHandleW(nullptr);
    window_class.hbrBackground = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
    window_class.lpszClassName = L"VexarDragSource";
    if (::RegisterClassW(&window_class) == 0 ||
        ::CreateWindowExW(WS_EX_TOPMOST, L"VexarDragSource", L"Drag source", WS_POPUP | WS_VISIBLE, 0, 0, 100,
                          100, nullptr, nullptr, window_class.hInstance, nullptr) == nullptr) {
        return 2;
    }
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
    return static_cast<int>(message.wParam);
}
