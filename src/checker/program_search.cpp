#include "checker/program_search.h"

namespace vexar {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool HasFolderPart(std::string_view file) {
    return file.find_first_of("\\/") != std::string_view::npos;
}

std::string Joined(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && !IsSeparator(path.back())) path += '\\';
    path += name;
    return path;
}

}  // namespace

ProgramSearch::ProgramSearch(platform::FileSystem& files, const ShellFolders& folders)
    : files_(files),
      folders_(folders),
      windows_folders_(folders.WindowsFolders()),
      path_folders_(folders.PathFolders()) {}

std::string ProgramSearch::SearchedName(std::string_view file) {
    std::string searched(file);
    if (file.find('.') == std::string_view::npos) searched += ".exe";
    return searched;
}

bool ProgramSearch::TakenAsGiven(std::string_view file) {
    const bool drive = file.size() >= 2 && file[1] == ':' &&
                       ((file[0] >= 'A' && file[0] <= 'Z') || (file[0] >= 'a' && file[0] <= 'z'));
    return drive || (!file.empty() && IsSeparator(file[0]));
}

std::optional<std::uint32_t> ProgramSearch::Attributes(const std::string& path) {
    const auto known = seen_.find(path);
    if (known != seen_.end()) return known->second;
    std::optional<std::uint32_t> attributes;
    try {
        attributes = files_.ReadAttributes(path);
    } catch (const RuntimeError&) {
        // Missing, or a name the file system cannot take: the shell finds nothing there either.
    }
    seen_.emplace(path, attributes);
    return attributes;
}

std::optional<ProgramLocation> ProgramSearch::Probe(const std::string& path, ProgramPlace place) {
    const std::optional<std::uint32_t> attributes = Attributes(path);
    if (!attributes) return std::nullopt;
    return ProgramLocation{place, path, (*attributes & platform::kAttrDirectory) != 0};
}

ProgramLocation ProgramSearch::Find(std::string_view file, std::string_view start) {
    const std::string name = SearchedName(file);
    if (TakenAsGiven(file)) return Probe(name, ProgramPlace::kAsGiven).value_or(ProgramLocation{});
    if (!start.empty()) {
        if (auto found = Probe(Joined(start, name), ProgramPlace::kStartFolder)) return *found;
    }
    for (const std::string& folder : windows_folders_) {
        if (auto found = Probe(Joined(folder, name), ProgramPlace::kWindowsFolder)) return *found;
    }
    for (const std::string& folder : path_folders_) {
        if (auto found = Probe(Joined(folder, name), ProgramPlace::kSearchPath)) return *found;
    }
    if (auto found = Probe(name, ProgramPlace::kLauncherFolder)) return *found;
    if (!HasFolderPart(file)) {
        const std::string registered = folders_.AppPath(file);
        if (!registered.empty()) {
            if (auto found = Probe(registered, ProgramPlace::kAppPaths)) return *found;
        }
    }
    return ProgramLocation{};
}

}  // namespace vexar
