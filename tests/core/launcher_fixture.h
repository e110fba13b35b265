#pragma once
// The launcher over the platform doubles, with a configuration folder the test fills and the user's
// actions on the window as calls.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>

#include "config_text.h"
#include "double/platform_double.h"
#include "launcher/frmVexarLaunch.h"

namespace vexar::testing {

// Names a table's row after its label: its letters and digits, each word capitalised.
inline std::string RowName(const std::string& label) {
    std::string name;
    bool capital = true;
    for (const char c : label) {
        const bool keep = std::isalnum(static_cast<unsigned char>(c)) != 0;
        if (keep) name += capital ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        capital = !keep;
    }
    return name;
}
#define VEXAR_ROW_NAMES [](const auto& row) { return RowName(row.param.label); }

class LauncherTest : public ::testing::Test {
protected:
    LauncherTest() { fakes.files.AddFolder("Configs"); }

    void AddGame(const std::string& name, std::string text) { fakes.files.AddFile("Configs\\" + name, std::move(text)); }
    // Starts the launcher as the program does, with a CD marker of `marker` attributes if given.
    void Start(std::optional<std::uint32_t> marker = std::nullopt) {
        if (marker && (*marker & platform::kAttrDirectory)) fakes.files.AddFolder("IsCD.txt", *marker);
        if (marker && !(*marker & platform::kAttrDirectory)) fakes.files.AddFile("IsCD.txt", "", *marker);
        form.Form_Initialize();
        form.Form_Load();
        form.ControlFocused(LauncherControl::kGameList);
    }
    // The user picks the list entry `entry`.
    void Choose(const std::string& entry) {
        const auto found = std::find(view.entries.begin(), view.entries.end(), entry);
        ASSERT_NE(found, view.entries.end()) << entry;
        view.list = entry;
        form.ListEntryChosen(static_cast<int>(found - view.entries.begin()));
    }
    // The user types `text` into the command box and moves on to the launch button.
    void TypeCommand(const std::string& text) {
        form.ControlFocused(LauncherControl::kCommand);
        view.command = text;
        form.ControlFocused(LauncherControl::kLaunchGame);
    }

    FakePlatform fakes;
    FakeLauncherView view;
    frmVexarLaunch form{fakes.services(), view, LauncherPaths{}};
};

}  // namespace vexar::testing
