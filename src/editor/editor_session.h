#pragma once
// The editor's state and event handlers: which game file of which launcher folder is open, its unsaved
// values, and what each command of the window does - open, new, a field edited, typing paused, a path
// chosen or a program dropped, save, save as, test, close. Controls, dialogs, timers and message
// dispatch are the window's; saving is editor/save_plan.h's, the findings editor/unsaved_findings.h's.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "checker/program_search.h"
#include "editor/editor_paths.h"
#include "editor/editor_view.h"
#include "editor/game_document.h"
#include "editor/save_plan.h"
#include "editor/unsaved_findings.h"
#include "launcher/launch_plan.h"
#include "platform/platform.h"

namespace vexar::editor {

// The services the editor uses; the objects outlive the session.
struct EditorServices {
    platform::Services platform;
    platform::FileWriter& writer;
    const ShellFolders& folders;
};

// What the program was started with, decided from its one argument (none: the current folder).
struct EditorStart {
    std::string launcher;  // the launcher folder, absolute, without a final backslash
    std::string name;      // the game file to open in its Configs folder; "" for a new game
    std::string program;   // a program (absolute) to make a new game from; "" for none
    // Why the argument was not opened, for the status line: a file outside a Configs folder; "" when none.
    std::string note;
};

// Returns the start for `argument` ("" when none) given the absolute current folder `current`: a folder
// is the launcher folder; a file in a Configs folder is that game, the Configs folder's parent its
// launcher folder; a program (".exe", ".bat", ".cmd", ".com") makes a new game, its launcher folder the
// current folder. A file outside a Configs folder is not opened: the start is a new game in its folder, with
// a note. `files` resolves relative paths against the current directory; only absolute ones are passed.
EditorStart DecideStart(std::string_view argument, std::string_view current, platform::FileSystem& files);

// The window makes the session, calls Open (or NewFromProgram) once to show the first game, then passes
// on its events: FieldEdited for each change of a field's text, TypingPaused about 300 ms after the last
// one and when the focus moves, PathChosen after a browse or a drop on a field, and its commands.
class EditorSession {
public:
    EditorSession(EditorServices services, EditorView& view, std::string launcher);

    // Opens the game file `name` of the Configs folder, or a new game when "" (asks about unsaved
    // changes first; false when the user cancelled or the file could not be read, which a box said).
    bool Open(std::string_view name);
    // A new game made from the absolute program path `program` (a drop on the window or the icon).
    bool NewFromProgram(std::string_view program);

    // The user changed the text of `field` in the window.
    void FieldEdited(Field field);
    // Typing paused (or the focus moved): the findings and the commands are made again from the values.
    void TypingPaused();
    // The user chose the absolute path `chosen` for a path field by browsing or dropping: the field gets
    // the proposed form (editor/editor_paths.h), the start folder too when it was empty.
    void PathChosen(Field field, std::string_view chosen);

    // Saves to the open file (a new game: as SaveAs with the name FileNameForTitle makes from its title);
    // returns true when saved. Questions (UTF-8 instead, overwrite another program's change, replace a
    // file of that name) and refusals are shown in boxes.
    bool Save();
    // Saves under the name `name` in the Configs folder, which the session then edits; the old file stays.
    bool SaveAs(std::string_view name);
    // Hands the unsaved values' launch plan in `mode` (PlanLaunch, no typed options) to the shell, as the
    // launcher would; writes nothing. The launcher passes its start folder as written, relative to its
    // current directory, which is the launcher folder; the editor's current directory need not be, so the
    // requests' folder is made absolute against the launcher folder (the launcher folder itself for an
    // empty start folder). File, parameters and show commands are the plan's. A refusal is shown in a
    // box as "/run" shows it, naming the start folder as written.
    void Test(LaunchMode mode);
    // Closes the window, asking "Save / Don't save / Cancel" when there are unsaved changes; false when
    // the user cancelled (the window stays).
    bool Close();

    const std::string& launcher() const { return launcher_; }
    // The open file's name in the Configs folder, "" for a new game not yet saved.
    const std::string& name() const { return target_.name; }
    bool Changed() const;

private:
    // Asks "Save / Don't save / Cancel" when there are unsaved changes: true when they were saved or given
    // up, false when the user cancelled or the save failed.
    bool ChangesSettled();
    // Saves as `target`, asking and retrying as the outcome needs; true when saved.
    bool SaveTo(SaveTarget& target);
    // Shows every value, then the caption, findings, commands and status.
    void ShowDocument();
    void ShowCaption();
    // Sets `field` to the proposed path, in the document and the window; its warning is shown as a
    // finding while the field holds that value.
    void SetProposed(Field field, ProposedPath proposed);
    // The file name Save gives a new game.
    std::string NewFileName();
    // The game file as boxes and the caption name it: "Configs\raiders.cfg", or "the new game".
    std::string Shown() const;
    GameConfig Game() const;
    // The file system with relative paths taken in the launcher folder.
    UnsavedFileSystem Files() const;

    EditorServices services_;
    EditorView& view_;
    std::string launcher_;
    GameDocument document_ = GameDocument::New();
    SaveTarget target_;
    std::array<ProposedPath, kFieldCount> proposed_{};
    // Saved, and not edited since; the errors among the findings shown last.
    bool saved_ = false;
    int errors_ = 0;
};

}  // namespace vexar::editor
