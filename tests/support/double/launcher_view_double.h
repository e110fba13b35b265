#pragma once
// Doubles of the two windows' views: controls as plain values, plus the user's actions on them.

#include <string>
#include <vector>

#include "launcher/launcher_view.h"
#include "notes_window/notes_view.h"

namespace vexar::fake {

class FakeLauncherView : public LauncherView {
public:
    // The user picks entry `position` from the drop-down list.
    void Choose(int position);
    // The user types `text` into the game list's edit field.
    void TypeListText(std::string_view text);

    void AddListEntries(std::span<const std::string> entries) override;
    std::string ListText() const override { return list_text; }
    void SetListText(std::string_view text) override;
    int ListIndex() const override { return list_index; }
    std::string NotesText() const override { return notes; }
    void SetNotesText(std::string_view text) override { notes = text; }
    std::string CommandText() const override { return command; }
    void SetCommandText(std::string_view text) override { command = text; }
    void SetCaption(std::string_view text) override { caption = text; }
    void Minimize() override { minimized = true; }
    void Unload() override { unloaded = true; }

    std::vector<std::string> entries;
    std::string list_text;
    int list_index = -1;
    int list_batches = 0;
    std::string notes;
    std::string command;
    std::string caption = "Vexar Launcher v3.0";
    bool minimized = false;
    bool unloaded = false;
};

class FakeNotesView : public NotesView {
public:
    void Load() override;
    void ShowOwned() override { shown = true; }
    void SetText(std::string_view value) override { text = value; }
    void Unload() override;

    bool loaded = false;
    bool shown = false;
    int creations = 0;
    std::string text;
};

}  // namespace vexar::fake
