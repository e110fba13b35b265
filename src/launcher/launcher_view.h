#pragma once
// What the launcher's logic sees of the main window and its controls. The Win32 main window
// (launcher/win32) implements it over real controls; the core tests use a double. Texts are UTF-8, as
// the launcher holds them.

#include <span>
#include <string>
#include <string_view>

namespace vexar {

class LauncherView {
public:
    virtual ~LauncherView() = default;

    // Game list txtLauncher: appends `entries` in order, as one batch.
    virtual void AddListEntries(std::span<const std::string> entries) = 0;
    // Returns the text of the game list's edit field.
    virtual std::string ListText() const = 0;
    // Shows `text` in the game list's edit field, with no entry chosen.
    virtual void SetListText(std::string_view text) = 0;

    // Notes box txtShowNotes.
    virtual std::string NotesText() const = 0;
    virtual void SetNotesText(std::string_view text) = 0;

    // Command box txtCommand.
    virtual std::string CommandText() const = 0;
    virtual void SetCommandText(std::string_view text) = 0;

    // Sets the main window's caption.
    virtual void SetCaption(std::string_view caption) = 0;
    // Sets the main window's state to minimised.
    virtual void Minimize() = 0;
    // Destroys the main window and its controls; its unload handler has run already.
    virtual void Destroy() = 0;
};

}  // namespace vexar
