#pragma once
// A main window's logic over the platform and view doubles, with helpers to write configuration files.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "config_text.h"
#include "launcher/frmVexarLaunch.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_views.h"

namespace vexar::testing {

// The nine lines of a game with the given values (each after a 15-character label).
inline std::string GameText(std::string_view title, std::string_view notes = "notes",
                            std::string_view start = "C:\\Games", std::string_view launch = "game.exe",
                            std::string_view defaults = "", std::string_view hd = "", std::string_view prep = "",
                            std::string_view cd = "") {
    auto line = [](std::string_view label, std::string_view value) { return std::string(label) + std::string(value); };
    return ConfigText({line("Game Title:    ", title), line("Notes:         ", notes),
                       line("Start Location:", start), line("Launch File:   ", launch),
                       line("Default Params:", defaults), line("HD Params:     ", hd),
                       line("CD Prelaunch:  ", prep), line("CD Params:     ", cd)});
}

class LauncherTest : public ::testing::Test {
protected:
    fake::FakePlatform fake;
    fake::FakeLauncherView view;
    frmVexarLaunch form{fake.services(), view};

    void AddConfig(std::string_view name, std::string_view text) {
        fake.files.AddFile("Configs\\" + std::string(name), text);
    }
    // Initialisation and load, as at program start.
    void Start() {
        form.Form_Initialize();
        form.Form_Load();
    }
    const std::vector<fake::ShownBox>& boxes() const { return fake.boxes.shown; }
};

}  // namespace vexar::testing
