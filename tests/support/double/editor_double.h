#pragma once
// The editor's doubles for the core tests: the places the shell searches after the start folder, and the
// editor's window as plain values.

#include <array>

#include "checker/program_search.h"
#include "double/platform_double.h"
#include "editor/editor_view.h"

namespace vexar::testing {

// Windows' own folders on drive C:, one search-path folder, no App Paths registration.
struct FakeShellFolders : ShellFolders {
    std::vector<std::string> WindowsFolders() const override {
        return {"C:\\Windows\\system32", "C:\\Windows"};
    }
    std::vector<std::string> PathFolders() const override { return {"C:\\Tools"}; }
    std::string AppPath(std::string_view) const override { return ""; }
};

// The editor's window: its fields, caption, commands, findings (as VexarCheck writes them), status and
// save state; counts its destruction.
struct FakeEditorView : editor::EditorView {
    std::string FieldText(editor::Field field) const override { return fields[static_cast<int>(field)]; }
    void SetFieldText(editor::Field field, std::string_view text) override {
        fields[static_cast<int>(field)] = text;
    }
    void SetCaption(std::string_view text) override { caption = text; }
    void ShowCommands(std::string_view hd, std::string_view cd_mode) override {
        commands = {std::string(hd), std::string(cd_mode)};
    }
    void ShowFindings(std::span<const Finding> shown) override {
        findings.clear();
        for (const Finding& finding : shown) findings.push_back(FormatFinding(finding));
    }
    void ShowStatus(std::string_view text) override { status = text; }
    void SetSaveState(editor::SaveState state) override { save_state = state; }
    void Destroy() override { ++destroyed; }

    std::array<std::string, editor::kFieldCount> fields;
    std::array<std::string, 2> commands;  // hard drive, CD
    std::string caption, status;
    std::vector<std::string> findings;
    editor::SaveState save_state = editor::SaveState::kAllowed;
    int destroyed = 0;
};

}  // namespace vexar::testing
