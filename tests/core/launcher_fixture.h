#pragma once
// The launcher over the platform doubles, with a configuration folder the test fills and the user's
// actions on the window as calls.

#include <gtest/gtest.h>

#include <optional>

#include "config_text.h"
#include "double/platform_double.h"
#include "launcher/frmVexarLaunch.h"
#include "notes_window/frmNotesView.h"

namespace vexar::testing {

class LauncherTest : public ::testing::Test {
protected:
    LauncherTest() { fakes.files.AddFolder("Configs"); }
    void AddGame(const std::string& name, std::string text) { fakes.files.AddFile("Configs\\" + name, text); }
    // Starts the launcher as the program does, with a CD marker of `marker` attributes if given.
    void Start(std::optional<std::uint32_t> marker = std::nullopt) {
        if (marker) fakes.files.AddFile("IsCD.txt", "", *marker);
        form.Form_Initialize();
        form.Form_Load();
        form.ControlFocused(LauncherControl::kGameList);
    }
    // The user picks the list entry `entry`; the list shows what a control shows of it.
    void Choose(const std::string& entry) {
        view.list = ShownByControl(entry);
        form.ListEntryChosen(
            int(std::find(view.entries.begin(), view.entries.end(), entry) - view.entries.begin()));
    }
    // The user types `text` into the command box and moves on to the launch button.
    void TypeCommand(const std::string& text) {
        form.ControlFocused(LauncherControl::kCommand);
        view.command = text;
        form.ControlFocused(LauncherControl::kLaunchGame);
    }

    FakePlatform fakes;
    FakeLauncherView view;
    FakeNotesView notes_view;
    frmNotesView notes{notes_view, fakes.boxes};
    frmVexarLaunch form{fakes.services(), view, LauncherPaths{}, &notes};
};

// Prints a table's row by its label in test reports.
#define VEXAR_ROW(Row)                                       \
    friend void PrintTo(const Row& row, std::ostream* out) { \
        *out << row.label;                                   \
    }

}  // namespace vexar::testing
