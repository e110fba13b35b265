#pragma once
// VexarCheck's findings about the game file being edited, in its words and line numbers, found by the
// checker's own code over the unsaved text: a file system that shows the launcher folder for every
// relative path and the editor's bytes in place of that one file. Nothing is written.

#include <string>
#include <string_view>
#include <vector>

#include "checker/launcher_folder_check.h"
#include "checker/program_search.h"
#include "platform/platform.h"

namespace vexar::editor {

// `files` as the checker would see it in the launcher folder `launcher` (absolute, no final backslash)
// with `config` (relative, "Configs\raiders.cfg") holding `bytes`, whether or not that file exists yet.
class UnsavedFileSystem final : public platform::FileSystem {
public:
    UnsavedFileSystem(platform::FileSystem& files, std::string launcher, std::string config,
                      std::string bytes);
    // Every FileSystem function: reads only; the changing ones raise 75.
};

// The findings of the check over `launcher` with the unsaved `bytes` as `config`, that are about that
// file, or about the folder and name it (a list stop that hides games, its attributes, its name).
std::vector<Finding> UnsavedFindings(platform::FileSystem& files, const platform::TextCodec& codec,
                                     const ShellFolders& shell, std::string_view launcher,
                                     std::string_view config, std::string_view bytes);

}  // namespace vexar::editor
