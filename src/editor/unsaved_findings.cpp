#include "editor/unsaved_findings.h"

#include <algorithm>
#include <utility>

#include "editor/editor_paths.h"
#include "file_utils/mdlGlobalFunctions.h"
#include "launcher/launcher_paths.h"
#include "platform/utf.h"

namespace vexar::editor {

namespace {

// How the check's finding of a file that stops the game list begins.
constexpr std::string_view kStopsTheList = "stops the game list";

// True when the listing pattern `pattern` (a name with Windows' wildcards * and ?) takes `name`, in any
// ASCII case.
bool PatternTakes(std::string_view pattern, std::string_view name) {
    if (pattern.empty()) return name.empty();
    if (pattern.front() == '*') {
        return PatternTakes(pattern.substr(1), name) ||
               (!name.empty() && PatternTakes(pattern, name.substr(1)));
    }
    const bool one = !name.empty() && (pattern.front() == '?' || utf::AsciiLower(pattern.substr(0, 1)) ==
                                                                     utf::AsciiLower(name.substr(0, 1)));
    return one && PatternTakes(pattern.substr(1), name.substr(1));
}

}  // namespace

UnsavedFileSystem::UnsavedFileSystem(platform::FileSystem& files, std::string launcher, std::string config,
                                     std::string bytes)
    : files_(files),
      launcher_(AbsolutePath(launcher, launcher)),
      config_(AbsolutePath(config, launcher_)),
      bytes_(std::move(bytes)) {}

std::string UnsavedFileSystem::Resolved(std::string_view path) const {
    std::string resolved = AbsolutePath(path, launcher_);
    if ((path.ends_with('\\') || path.ends_with('/')) && !resolved.ends_with('\\')) resolved += '\\';
    return resolved;
}

std::string UnsavedFileSystem::ListFirst(std::string_view pattern, platform::ListMask mask) {
    in_progress_ = false;
    listing_.clear();
    listed_ = 0;
    const std::string resolved = Resolved(pattern);
    for (std::string name = files_.ListFirst(resolved, mask); !name.empty(); name = files_.ListNext()) {
        listing_.push_back(std::move(name));
    }
    in_progress_ = true;
    // The config file that does not exist yet is listed where a plain file of its name would be.
    const auto [folder, name] = FolderAndName(config_);
    const auto [listed_folder, listed_name] = FolderAndName(resolved);
    if (SamePath(folder, listed_folder) && (listed_name.empty() || PatternTakes(listed_name, name))) {
        try {
            files_.ReadAttributes(config_);
        } catch (const RuntimeError&) {
            listing_.emplace_back(name);
        }
    }
    return ListNext();
}

std::string UnsavedFileSystem::ListNext() {
    if (!in_progress_) Raise(kErrInvalidCall);
    return listed_ < listing_.size() ? listing_[listed_++] : std::string();
}

std::uint32_t UnsavedFileSystem::ReadAttributes(std::string_view path) {
    const std::string resolved = Resolved(path);
    if (!SamePath(resolved, config_)) return files_.ReadAttributes(resolved);
    try {
        return files_.ReadAttributes(resolved);
    } catch (const RuntimeError&) {
        return platform::kAttrNormal;
    }
}

std::unique_ptr<platform::ByteSource> UnsavedFileSystem::OpenForInput(std::string_view path) {
    const std::string resolved = Resolved(path);
    if (SamePath(resolved, config_)) return std::make_unique<MemorySource>(bytes_);
    return files_.OpenForInput(resolved);
}

std::unique_ptr<platform::RecordFile> UnsavedFileSystem::OpenRecords(std::string_view path,
                                                                     std::size_t record_length,
                                                                     platform::RecordAccess access) {
    if (access != platform::RecordAccess::kReadOnly) Raise(kErrPathFileAccess);
    return files_.OpenRecords(Resolved(path), record_length, access);
}

void UnsavedFileSystem::ResetAttributes(std::string_view /*path*/) {
    Raise(kErrPathFileAccess);
}

void UnsavedFileSystem::DeleteFileAt(std::string_view /*path*/, platform::AttributeReset /*reset*/) {
    Raise(kErrPathFileAccess);
}

void UnsavedFileSystem::RemoveEmptyDirectory(std::string_view /*path*/) {
    Raise(kErrPathFileAccess);
}

std::vector<Finding> UnsavedFindings(platform::FileSystem& files, const platform::TextCodec& codec,
                                     const ShellFolders& shell, std::string_view launcher,
                                     std::string_view config, std::string_view bytes) {
    UnsavedFileSystem unsaved(files, std::string(launcher), std::string(config), std::string(bytes));
    const LauncherPaths paths;
    const CheckReport report = CheckLauncherFolder(unsaved, codec, shell, paths);
    const BinaryCompare compare(codec);
    const std::string_view name = FolderAndName(config).second;
    std::vector<Finding> kept;
    for (const Finding& finding : report.findings) {
        // Its own findings, the configuration folder's, and a file before it that stops the list.
        const bool own = SamePath(finding.file, config) || finding.file == paths.config_folder;
        const bool stops_before =
            finding.text.starts_with(kStopsTheList) && compare.Less(FolderAndName(finding.file).second, name);
        if (own || stops_before) kept.push_back(finding);
    }
    return kept;
}

}  // namespace vexar::editor
