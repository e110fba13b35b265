#pragma once
// What the notes window's logic sees of its window. The Win32 notes window implements it; the core
// tests use a double.

#include <string_view>

namespace vexar {

class NotesView {
public:
    virtual ~NotesView() = default;
    // Creates the window and its controls, hidden, unless it exists already.
    virtual void Load() = 0;
    // Shows the window modeless, owned by the main window, and brings it to the front.
    virtual void ShowOwned() = 0;
    // Replaces the text of the notes box.
    virtual void SetText(std::string_view text) = 0;
    // Destroys the window and its controls; nothing happens when it does not exist.
    virtual void Unload() = 0;
};

}  // namespace vexar
