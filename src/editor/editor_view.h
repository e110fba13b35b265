#pragma once
// What the editor's logic sees of its window: eight value fields, the game file's name, the live
// commands, the findings, a status line. The Win32 window (editor/win32) implements it over real
// controls; the core tests use a double. Texts are UTF-8.

#include <span>
#include <string>
#include <string_view>

#include "checker/launcher_folder_check.h"
#include "editor/game_document.h"

namespace vexar::editor {

enum class SaveState { kAllowed, kBlocked };

class EditorView {
public:
    virtual ~EditorView() = default;

    virtual std::string FieldText(Field field) const = 0;
    // Shows `text` in the field without it counting as an edit.
    virtual void SetFieldText(Field field, std::string_view text) = 0;
    // The caption: "Vexar Edit - Configs\raiders.cfg", with " *" while there are unsaved changes.
    virtual void SetCaption(std::string_view caption) = 0;
    // The launch of each mode as the launcher would make it, one line each.
    virtual void ShowCommands(std::string_view hard_drive, std::string_view cd) = 0;
    // The findings about this file, each as VexarCheck writes it (FormatFinding), in order.
    virtual void ShowFindings(std::span<const Finding> findings) = 0;
    // The status line: encoding, line ends, CD mode, the last save or what blocks saving.
    virtual void ShowStatus(std::string_view status) = 0;
    virtual void SetSaveState(SaveState state) = 0;
    // Destroys the window; the editor has asked about unsaved changes already.
    virtual void Destroy() = 0;
};

}  // namespace vexar::editor
