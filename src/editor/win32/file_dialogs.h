#pragma once
// The editor's file dialogs: the common item dialog (a folder picker for a start folder), and the
// classic dialogs only where the system cannot make the item dialog (Windows XP). Each dialog has its own
// title, starts in the folder it is given and leaves the process's current folder alone.

#include <windows.h>

#include <optional>
#include <string>

namespace vexar::win32 {

enum class Pick { kFile, kFolder, kNewFile };

struct DialogRequest {
    const wchar_t* title;        // unique for each kind of dialog
    std::wstring folder;         // absolute: where the dialog starts
    std::wstring name;           // the file name proposed (kNewFile)
    const wchar_t* filter_name;  // "Programs" (files only)
    const wchar_t* filter;       // "*.exe;*.bat" (files only)
    Pick pick = Pick::kFile;
};

// Shows the dialog of `request` owned by `owner`; returns the absolute path chosen, or nothing when the
// user cancelled (or no dialog could be shown).
std::optional<std::wstring> ChooseFile(HWND owner, const DialogRequest& request);

}  // namespace vexar::win32
