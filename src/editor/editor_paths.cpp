#include "editor/editor_paths.h"

#include <algorithm>
#include <array>

#include "file_utils/mdlGlobalFunctions.h"
#include "launcher/launcher_rules.h"
#include "platform/utf.h"

namespace vexar::editor {

namespace {

// A file's name is made from at most this many bytes of its game's title.
constexpr std::size_t kLongestStem = 100;

constexpr std::string_view kOutsideLauncher =
    "outside the launcher folder: copy both together, or the path leads nowhere";
constexpr std::string_view kOutsideStart =
    "outside the start folder: the shell finds it so under Wine, but Windows does not document it; the "
    "program's own folder as the start folder is the safe choice";
constexpr std::string_view kWindowsNote = "found in Windows' own folders, which every PC has";
constexpr std::string_view kNoShorterForm =
    "written as chosen: no shorter form leads the shell's search to this file, so it works only on this PC";

// An absolute path: its root ("E:" or "\\server\share") and its parts below the root.
struct SplitPath {
    std::string root;
    std::vector<std::string> parts;
};

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool HasDrive(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' && IsAsciiLetter(path[0]);
}

bool IsShare(std::string_view path) {
    return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && utf::AsciiLower(a) == utf::AsciiLower(b);
}

// Appends the parts of `path` to `parts`: "." is passed over, ".." takes back one part (never the root).
void AddParts(std::string_view path, std::vector<std::string>& parts) {
    while (!path.empty()) {
        const std::size_t end = std::min(path.find_first_of("\\/"), path.size());
        const std::string_view part = path.substr(0, end);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.emplace_back(part);
        }
        path.remove_prefix(std::min(end + 1, path.size()));
    }
}

SplitPath Split(std::string_view path, std::string_view base) {
    SplitPath split;
    if (IsShare(path)) {
        const std::size_t server = std::min(path.find_first_of("\\/", 2), path.size());
        const std::size_t share =
            std::min(path.find_first_of("\\/", std::min(server + 1, path.size())), path.size());
        // Appended piece by piece: "literal" + std::string trips a false -Wrestrict of GCC 12.
        split.root = "\\\\";
        split.root += path.substr(2, server - 2);
        if (server < share) split.root.append(1, '\\').append(path.substr(server + 1, share - server - 1));
        AddParts(path.substr(share), split.parts);
    } else if (HasDrive(path)) {
        split.root = path.substr(0, 2);
        AddParts(path.substr(2), split.parts);
    } else {
        if (HasDrive(base) || IsShare(base)) split = Split(base, {});
        if (!path.empty() && IsSeparator(path[0])) split.parts.clear();
        AddParts(path, split.parts);
    }
    return split;
}

std::string Joined(const SplitPath& split) {
    std::string path = split.root;
    for (const std::string& part : split.parts) path += "\\" + part;
    if (split.parts.empty() && HasDrive(path)) path += '\\';
    return path;
}

bool SameRoot(const SplitPath& a, const SplitPath& b) {
    return SameText(a.root, b.root);
}

// The number of leading parts `a` and `b` share.
std::size_t CommonParts(const SplitPath& a, const SplitPath& b) {
    std::size_t common = 0;
    while (common < a.parts.size() && common < b.parts.size() && SameText(a.parts[common], b.parts[common])) {
        ++common;
    }
    return common;
}

// True when `path` is `folder` or below it.
bool Inside(const SplitPath& path, const SplitPath& folder) {
    return SameRoot(path, folder) && CommonParts(path, folder) == folder.parts.size();
}

// `path` relative to `folder` on the same root: "." for the folder itself, ".." for each step up.
std::string Relative(const SplitPath& path, const SplitPath& folder) {
    const std::size_t common = CommonParts(path, folder);
    std::string relative;
    for (std::size_t i = common; i < folder.parts.size(); ++i) relative += "..\\";
    for (std::size_t i = common; i < path.parts.size(); ++i) relative += path.parts[i] + "\\";
    if (relative.empty()) return ".";
    relative.pop_back();
    return relative;
}

// Why a path on another drive or a network share than the launcher folder's works only on this PC.
std::string OnlyOnThisPc(const SplitPath& path) {
    if (IsShare(path.root)) {
        return "on the network share " + path.root + ": it works only on a PC that reaches that share";
    }
    return "on drive " + path.root +
           ", not the launcher folder's: it works only on this PC, as a disc or a stick gets another drive "
           "letter on another";
}

bool IsGenericFolderName(std::string_view name) {
    static constexpr std::array<std::string_view, 6> kGeneric = {"bin",   "x64",   "x86",
                                                                 "win32", "win64", "system"};
    return std::find(kGeneric.begin(), kGeneric.end(), utf::AsciiLower(name)) != kGeneric.end();
}

}  // namespace

std::string AbsolutePath(std::string_view path, std::string_view base) {
    return Joined(Split(path, base));
}

bool SamePath(std::string_view a, std::string_view b) {
    return SameText(a, b);
}

ProposedPath ProposeStartFolder(std::string_view chosen, std::string_view launcher) {
    const SplitPath folder = Split(chosen, launcher), home = Split(launcher, launcher);
    if (!SameRoot(folder, home)) return {std::string(chosen), OnlyOnThisPc(folder)};
    return {Relative(folder, home), Inside(folder, home) ? "" : std::string(kOutsideLauncher)};
}

ProposedPath ProposeProgram(std::string_view chosen, std::string_view start, std::string_view launcher,
                            ProgramSearch& search) {
    const SplitPath file = Split(chosen, launcher), home = Split(launcher, launcher);
    const std::string absolute = Joined(file);
    // Where the shell's search finds `value`, when that is the chosen file.
    const auto place_of = [&](const std::string& value) {
        const ProgramLocation found = search.Find(value, start);
        const bool same = found.place != ProgramPlace::kNowhere && !found.folder &&
                          SamePath(AbsolutePath(found.path, launcher), absolute);
        return same ? found.place : ProgramPlace::kNowhere;
    };
    if (!file.parts.empty()) {
        const ProgramPlace bare = place_of(file.parts.back());
        if (bare == ProgramPlace::kStartFolder) return {file.parts.back(), ""};
        if (bare == ProgramPlace::kWindowsFolder) {
            return {file.parts.back(), std::string(kWindowsNote), Severity::kNote};
        }
    }
    const SplitPath folder = Split(start, launcher);
    if (!start.empty() && SameRoot(file, folder)) {
        const std::string relative = Relative(file, folder);
        if (place_of(relative) == ProgramPlace::kStartFolder) {
            if (Inside(file, folder)) return {relative, ""};
            return {relative, std::string(Inside(file, home) ? kOutsideStart : kOutsideLauncher)};
        }
    }
    if (!SameRoot(file, home)) return {std::string(chosen), OnlyOnThisPc(file)};
    return {std::string(chosen), std::string(kNoShorterForm)};
}

std::vector<std::string> ParameterWarnings(Field field, std::string_view value) {
    std::vector<std::string> warnings;
    if (field != Field::kCDParams) return warnings;
    std::string named;  // the drive letters warned about, in capitals
    for (std::size_t i = 0; i + 1 < value.size(); ++i) {
        // A letter and a colon at the start of a word, followed by a separator, a blank, a quote or nothing.
        const bool starts_word =
            i == 0 || !(IsAsciiLetter(value[i - 1]) || (value[i - 1] >= '0' && value[i - 1] <= '9'));
        const bool ends_drive =
            i + 2 == value.size() || std::string_view("\\/ \"").find(value[i + 2]) != std::string_view::npos;
        if (!IsAsciiLetter(value[i]) || value[i + 1] != ':' || !starts_word || !ends_drive) continue;
        const char letter = static_cast<char>(value[i] & ~0x20);  // in capitals
        if (letter == 'C' || named.find(letter) != std::string::npos) continue;
        named += letter;
        warnings.push_back(std::string("drive ") + letter +
                           ": in the CD parameters: the CD's drive letter differs on every PC; use a path "
                           "relative to the start folder");
    }
    return warnings;
}

NewGame NewGameFromProgram(std::string_view program, std::string_view launcher, ProgramSearch& search) {
    const SplitPath file = Split(program, launcher);
    SplitPath folder = file;
    if (!folder.parts.empty()) folder.parts.pop_back();
    NewGame game;
    game.start = ProposeStartFolder(Joined(folder), launcher);
    game.program = ProposeProgram(program, game.start.value, launcher, search);
    const auto generic = std::find_if_not(folder.parts.rbegin(), folder.parts.rend(),
                                          [](const std::string& name) { return IsGenericFolderName(name); });
    if (generic != folder.parts.rend()) {
        game.title = *generic;
    } else if (!file.parts.empty()) {
        const std::string& name = file.parts.back();
        const std::size_t dot = name.rfind('.');
        game.title = name.substr(0, dot == 0 ? std::string::npos : dot);
    }
    return game;
}

std::string FileNameForTitle(std::string_view title, const std::function<bool(const std::string&)>& taken) {
    std::string stem;
    for (const char c : title) {
        if (IsFileName({&c, 1})) stem += c;
    }
    stem.resize(utf::LengthWithoutCutEnd(std::string_view(stem).substr(0, kLongestStem)));
    // Windows drops the blanks and dots at a name's end; blanks in front are kept, but hard to see.
    stem.erase(stem.find_last_not_of(". ") + 1);
    stem.erase(0, std::min(stem.find_first_not_of(' '), stem.size()));
    if (stem.empty()) stem = "game";
    if (IsDeviceName(stem)) stem.insert(std::min(stem.find('.'), stem.size()), 1, '_');
    std::string name = stem + ".cfg";
    for (int number = 2; taken(name); ++number) name = stem + " (" + std::to_string(number) + ").cfg";
    return name;
}

std::optional<std::string> FileNameRefusal(std::string_view name) {
    std::string quoted = "The file name \"";
    quoted.append(name).append("\" ");
    if (!HasConfigExtension(name)) {
        return quoted + "does not end in \".cfg\" in lower case: the game list would not show it";
    }
    if (!IsFileName(name)) {
        return quoted +
               "holds a character that no file name may hold (* ? < > \" \\ / : | or a control character)";
    }
    if (IsDeviceName(name)) {
        std::string device = utf::AsciiLower(name.substr(0, name.find('.')));
        device.erase(device.find_last_not_of(' ') + 1);
        return quoted + "names the device " + device + ", which Windows opens in place of a file";
    }
    return std::nullopt;
}

std::pair<std::string_view, std::string_view> FolderAndName(std::string_view path) {
    const std::size_t slash = path.find_last_of('\\');
    if (slash == std::string_view::npos) return {std::string_view(), path};
    return {path.substr(0, slash), path.substr(slash + 1)};
}

}  // namespace vexar::editor
