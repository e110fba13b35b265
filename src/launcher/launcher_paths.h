#pragma once
// The fixed places the launcher reads and writes, in one place. The program runs with the defaults
// (relative ones resolve against the current directory); tests hand in folders of their own.

#include <array>
#include <string>

namespace vexar {

struct LauncherPaths {
    // The folder of the configuration files, ending in a backslash.
    std::string config_folder = "Configs\\";
    // The saved title, record 1 of a file of 100-byte records.
    std::string title_file = "Title.cfg";
    // Its presence at load selects CD mode.
    std::string cd_marker = "IsCD.txt";
    // The manual page the help button opens.
    std::string manual = "VLManual\\index.html";
    // The folders a CD game may fill on the local drive, in the order they are offered for removal.
    std::array<std::string, 2> data_folders{"C:\\vexardat", "C:\\gvexardat"};
};

}  // namespace vexar
