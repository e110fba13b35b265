#pragma once
// VexarCheck's findings about the game file being edited, in its words and line numbers, found by the
// checker's own code over the unsaved text: a file system that shows the launcher folder for every
// relative path and the editor's bytes in place of that one file. Nothing is written. The check reads
// every file through that file system and learns the shell's other places from ShellFolders, so none of
// it depends on the current directory (a relative folder of the PATH variable is taken in the launcher
// folder as well).

#include <cstdint>
#include <memory>
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

    // Each passes the absolute path to `files`, except for the config file: its listing (by its name, or
    // its folder's) has it once, its attributes are those of a plain file while it does not exist, and its
    // bytes are the unsaved ones.
    std::string ListFirst(std::string_view pattern, platform::ListMask mask) override;
    std::string ListNext() override;
    std::uint32_t ReadAttributes(std::string_view path) override;
    std::unique_ptr<platform::ByteSource> OpenForInput(std::string_view path) override;
    // Opens for reading only; raises 75 for kReadWrite.
    std::unique_ptr<platform::RecordFile> OpenRecords(std::string_view path, std::size_t record_length,
                                                      platform::RecordAccess access) override;
    // Raise 75: nothing is changed.
    void ResetAttributes(std::string_view path) override;
    void DeleteFileAt(std::string_view path, platform::AttributeReset reset) override;
    void RemoveEmptyDirectory(std::string_view path) override;

private:
    // `path` as an absolute path in the launcher folder, keeping a final backslash (a folder's listing).
    std::string Resolved(std::string_view path) const;

    platform::FileSystem& files_;
    std::string launcher_;
    std::string config_;  // absolute
    std::string bytes_;
    std::vector<std::string> listing_;
    std::size_t listed_ = 0;
    bool in_progress_ = false;
};

// The findings of the check over `launcher` with the unsaved `bytes` as `config`, that are about that
// file, or about the folder and name it (a list stop that hides games, its attributes, its name).
std::vector<Finding> UnsavedFindings(platform::FileSystem& files, const platform::TextCodec& codec,
                                     const ShellFolders& shell, std::string_view launcher,
                                     std::string_view config, std::string_view bytes);

}  // namespace vexar::editor
