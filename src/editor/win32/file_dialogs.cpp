#include "editor/win32/file_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "platform/win32/handles.h"
#include "platform/win32/system_library.h"
#include "ui/win32/late_calls.h"

namespace vexar::win32 {

namespace {

// The function `function` of `dll`, found once, as `call`.
#define VEXAR_LATE(dll, function) \
    static const auto call = SystemFunctionOf<decltype(::function)>(dll, #function)

void FreeTaskMemory(void* memory) {
    VEXAR_LATE(L"ole32.dll", CoTaskMemFree);
    if (call != nullptr) call(memory);
}

HRESULT ItemOfPath(const wchar_t* path, IBindCtx* context, REFIID id, void** item) {
    VEXAR_LATE(L"shell32.dll", SHCreateItemFromParsingName);  // Windows Vista and later
    return call != nullptr ? call(path, context, id, item) : E_NOTIMPL;
}

// Returns the item dialog's choice for `request`; sets `made` when the dialog could be made at all.
std::optional<std::wstring> ItemDialog(HWND owner, const DialogRequest& request, bool& made) {
    const bool create = request.pick == Pick::kNewFile;
    void* object = nullptr;
    made = SUCCEEDED(late::CoCreateInstance(create ? CLSID_FileSaveDialog : CLSID_FileOpenDialog, nullptr,
                                            CLSCTX_INPROC_SERVER, IID_IFileDialog, &object));
    if (!made) return std::nullopt;
    const UniqueCom<IFileDialog> dialog(static_cast<IFileDialog*>(object));
    FILEOPENDIALOGOPTIONS options = 0;
    dialog.get()->GetOptions(&options);
    // The current folder stays the launcher's folder's business: this dialog never moves it.
    options |= FOS_NOCHANGEDIR | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST;
    if (request.pick == Pick::kFolder) options |= FOS_PICKFOLDERS;
    if (request.pick == Pick::kFile) options |= FOS_FILEMUSTEXIST;
    // A name in use is the save's question, asked with the reason.
    if (create) options &= ~static_cast<FILEOPENDIALOGOPTIONS>(FOS_OVERWRITEPROMPT);
    dialog.get()->SetOptions(options);
    dialog.get()->SetTitle(request.title);
    if (request.pick != Pick::kFolder && request.filter != nullptr) {
        const COMDLG_FILTERSPEC types[] = {{request.filter_name, request.filter}, {L"All files", L"*.*"}};
        dialog.get()->SetFileTypes(2, types);
        if (create) dialog.get()->SetDefaultExtension(L"cfg");
    }
    void* start = nullptr;
    if (!request.folder.empty() &&
        SUCCEEDED(ItemOfPath(request.folder.c_str(), nullptr, IID_IShellItem, &start))) {
        const UniqueCom<IShellItem> folder(static_cast<IShellItem*>(start));
        dialog.get()->SetFolder(folder.get());
    }
    if (create) dialog.get()->SetFileName(request.name.c_str());
    IShellItem* chosen = nullptr;
    if (FAILED(dialog.get()->Show(owner)) || FAILED(dialog.get()->GetResult(&chosen))) return std::nullopt;
    const UniqueCom<IShellItem> result(chosen);
    wchar_t* path = nullptr;
    if (FAILED(result.get()->GetDisplayName(SIGDN_FILESYSPATH, &path))) return std::nullopt;
    std::wstring text(path);
    FreeTaskMemory(path);
    return text;
}

// The classic folder picker (Windows XP).
std::optional<std::wstring> ClassicFolder(HWND owner, const DialogRequest& request) {
    static const auto browse =
        SystemFunctionOf<decltype(::SHBrowseForFolderW)>(L"shell32.dll", "SHBrowseForFolderW");
    static const auto path_of =
        SystemFunctionOf<decltype(::SHGetPathFromIDListW)>(L"shell32.dll", "SHGetPathFromIDListW");
    if (browse == nullptr || path_of == nullptr) return std::nullopt;
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.lpszTitle = request.title;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    LPITEMIDLIST chosen = browse(&info);
    if (chosen == nullptr) return std::nullopt;
    wchar_t path[MAX_PATH] = {};
    const bool found = path_of(chosen, path);
    FreeTaskMemory(chosen);
    return found ? std::optional<std::wstring>(path) : std::nullopt;
}

// The classic file dialogs (Windows XP).
std::optional<std::wstring> ClassicFile(HWND owner, const DialogRequest& request) {
    static const auto open =
        SystemFunctionOf<decltype(::GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    static const auto save =
        SystemFunctionOf<decltype(::GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
    const bool create = request.pick == Pick::kNewFile;
    if ((create ? save : open) == nullptr) return std::nullopt;
    std::wstring filter;
    if (request.filter != nullptr) {
        filter = std::wstring(request.filter_name) + L'\0' + request.filter + L'\0';
    }
    filter += std::wstring(L"All files") + L'\0' + L"*.*" + L'\0';
    std::wstring path = request.name;
    path.resize(32768);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = request.folder.c_str();
    dialog.lpstrTitle = request.title;
    dialog.lpstrDefExt = create ? L"cfg" : nullptr;
    // (Windows ignores OFN_NOCHANGEDIR for the open dialog: nothing here depends on the current folder.)
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                   (create ? 0 : OFN_FILEMUSTEXIST);
    if (!(create ? save : open)(&dialog)) return std::nullopt;
    path.resize(::wcslen(path.c_str()));
    return path;
}

#undef VEXAR_LATE

}  // namespace

std::optional<std::wstring> ChooseFile(HWND owner, const DialogRequest& request) {
    bool made = false;
    std::optional<std::wstring> chosen = ItemDialog(owner, request, made);
    if (made) return chosen;
    return request.pick == Pick::kFolder ? ClassicFolder(owner, request) : ClassicFile(owner, request);
}

}  // namespace vexar::win32
