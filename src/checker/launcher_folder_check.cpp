#include "checker/launcher_folder_check.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <unordered_set>
#include <utility>

#include "checker/read_only_files.h"
#include "file_utils/mdlGlobalFunctions.h"
#include "launcher/game_config.h"
#include "launcher/game_list.h"
#include "launcher/launcher_rules.h"
#include "launcher/title_file.h"
#include "platform/utf.h"

namespace vexar {

namespace {

// A stop of the list fill names at most this many of the games it hides.
constexpr std::size_t kHiddenNamesShown = 10;

// A message box that is never shown: the checker reports its text.
class BoxRecorder final : public platform::MessageBoxes {
public:
    platform::Answer Show(std::string_view text, std::string_view /*title*/, platform::Icon /*icon*/,
                          platform::Buttons /*buttons*/) override {
        texts_.emplace_back(text);
        return platform::Answer::kOk;
    }

    bool Empty() const { return texts_.empty(); }
    // The text of the box shown last, which it forgets.
    std::string Take() {
        std::string text = texts_.empty() ? std::string() : std::move(texts_.back());
        texts_.clear();
        return text;
    }

private:
    std::vector<std::string> texts_;
};

// How a game file's encoding is named in a finding.
std::string_view EncodingName(platform::Encoding encoding) {
    switch (encoding) {
        case platform::Encoding::kUtf8:
            return "UTF-8 (without a byte-order mark)";
        case platform::Encoding::kUtf8Mark:
            return "UTF-8 (after its byte-order mark)";
        case platform::Encoding::kUtf16Le:
            return "UTF-16 little-endian (after its byte-order mark)";
        case platform::Encoding::kUtf16Be:
            return "UTF-16 big-endian (after its byte-order mark)";
        case platform::Encoding::kAnsi:
            break;
    }
    return "the ANSI code page";
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    quoted += text;
    quoted += '"';
    return quoted;
}

// True when `name` holds ".cfg" in any mix of case: a file meant to be a game, by its name.
bool MentionsConfigExtension(std::string_view name) {
    return utf::AsciiLower(name).find(".cfg") != std::string::npos;
}

std::string Plural(std::int64_t count, std::string_view word) {
    std::string text = std::to_string(count) + " ";
    text += word;
    if (count != 1) text += 's';
    return text;
}

// The findings about one game file, in the order they are found.
struct GameFindings {
    std::string file;
    std::vector<Finding> found;

    void Add(int line, Severity severity, std::string text) {
        found.push_back({file, line, severity, std::move(text)});
    }
};

class FolderCheck {
public:
    FolderCheck(platform::FileSystem& files, const platform::TextCodec& codec, const ShellFolders& shell,
                const LauncherPaths& paths)
        : files_(files), codec_(codec), paths_(paths), programs_(files_, shell) {}

    CheckReport Run() {
        CheckCdMode();
        CheckSavedTitle();
        CheckManual();
        // Every file is read, also after one that stops the fill, to tell what the stop hides. Each file's
        // findings are kept until the listing's is written; a stop's until the games after it are known.
        BoxRecorder listing;
        std::vector<GameFindings> games;
        const std::vector<GameListFile> list =
            FillGameList(files_, listing, codec_, paths_.config_folder, AfterStop::kReadOn,
                         [&](const GameListFile& file, platform::TextFile* rest) {
                             games.push_back(CheckGame(file, rest));
                         });
        CheckListing(listing, list.empty());
        for (std::size_t i = 0; i < list.size(); ++i) {
            std::move(games[i].found.begin(), games[i].found.end(), std::back_inserter(report_.findings));
            if (list[i].stop) CheckStop(list, i);
            if (list[i].listed) ++report_.games_listed;
        }
        CheckUnlisted(list);
        return std::move(report_);
    }

private:
    void Add(const std::string& file, int line, Severity severity, std::string text) {
        report_.findings.push_back({file, line, severity, std::move(text)});
    }

    // The attributes of `path`, or none when nothing is there.
    std::optional<std::uint32_t> Attributes(std::string_view path) {
        try {
            return files_.ReadAttributes(path);
        } catch (const RuntimeError&) {
            return std::nullopt;
        }
    }

    // Why a file or folder `path` that is there does not count where the launcher looks for a plain file.
    std::string NotPlainReason(std::string_view path) {
        const std::optional<std::uint32_t> attributes = Attributes(path);
        if (!attributes) return std::string();
        if (*attributes & platform::kAttrDirectory) return "a folder";
        return "a hidden or system file";
    }

    void CheckCdMode() {
        const std::string& marker = paths_.cd_marker;
        if (CdModeSelected(files_, paths_)) {
            Add(marker, 0, Severity::kNote,
                "CD mode is on: each game's CD preparation program (line 8) is opened before the game, and "
                "its CD parameters (line 9) are passed");
            return;
        }
        const std::string reason = NotPlainReason(marker);
        if (reason.empty()) {
            Add(marker, 0, Severity::kNote, "CD mode is off: there is no " + marker);
        } else {
            Add(marker, 0, Severity::kWarning,
                "CD mode is off: " + marker + " is " + reason + ", which the launcher does not count");
        }
    }

    void CheckSavedTitle() {
        const std::string& file = paths_.title_file;
        try {
            const std::string title = LoadSavedTitle(files_, codec_, file);
            if (title.empty()) {
                Add(file, 0, Severity::kNote, "caption " + Quoted(kDesignedCaption) + ": no title is saved");
            } else {
                Add(file, 0, Severity::kNote, "caption " + Quoted(title) + ": the saved title");
            }
        } catch (...) {
            ShowSavedTitleError(boxes_, TrappedError());
            Add(file, 0, Severity::kError,
                "at start the launcher shows the box " + Quoted(boxes_.Take()) + " and keeps the caption " +
                    Quoted(kDesignedCaption));
        }
    }

    void CheckManual() {
        const std::string& manual = paths_.manual;
        if (ManualInstalled(files_, paths_)) {
            Add(manual, 0, Severity::kNote, "the manual is there: the ? button opens it");
            return;
        }
        const std::string reason = NotPlainReason(manual);
        Add(manual, 0, Severity::kNote,
            (reason.empty() ? std::string("there is no manual")
                            : "the manual is " + reason + ", which does not count") +
                ": the ? button says that it is not installed");
    }

    // What the listing of the configuration folder told: the box of a failed listing, or no file found.
    void CheckListing(BoxRecorder& listing, bool none_found) {
        const std::string& folder = paths_.config_folder;
        if (!listing.Empty()) {
            Add(folder, 0, Severity::kError, "at start the launcher shows the box " + Quoted(listing.Take()));
        } else if (none_found) {
            const std::optional<std::uint32_t> attributes = Attributes(folder.substr(0, folder.size() - 1));
            const bool is_folder = attributes && (*attributes & platform::kAttrDirectory);
            Add(folder, 0, Severity::kWarning,
                std::string(is_folder ? "no file name ends in \".cfg\"" : "there is no such folder") +
                    ": the game list is empty");
        }
    }

    // What the list fill makes of `file`, and for a game, what choosing it shows; `rest` reads on from its
    // line 3. A stop is left to CheckStop.
    GameFindings CheckGame(const GameListFile& file, platform::TextFile* rest) {
        GameFindings findings{paths_.config_folder + file.name, {}};
        if (file.encoding != platform::Encoding::kAnsi) {
            findings.Add(0, Severity::kNote, "read as " + std::string(EncodingName(file.encoding)));
        }
        if (file.stop) return findings;
        const ListFillEntry& entry = file.entry;
        const std::string listed_as = "listed as " + Quoted(entry.text) + ": ";
        if (entry.text.empty()) {
            findings.Add(2, Severity::kWarning, "not listed: its title (line 2) is empty");
        } else if (entry.error == kErrPastEndOfFile) {
            findings.Add(
                entry.line, Severity::kError,
                listed_as + (entry.line == 1 ? std::string("the file is empty")
                                             : "the file ends before line " + std::to_string(entry.line)));
        } else if (entry.error != 0) {
            findings.Add(0, Severity::kError,
                         listed_as + "the file cannot be opened under this name (" +
                             ErrorText(RuntimeError(entry.error)) + ")");
        } else if (entry.text == InvalidEntryText(file.name)) {
            findings.Add(1, Severity::kError,
                         listed_as + "line 1 does not begin with " + Quoted(kConfigMarker));
        } else if (StartsWithInvalidPrefix(entry.text)) {
            findings.Add(
                2, Severity::kError,
                "its title " + Quoted(entry.text) +
                    " is taken for a broken file's entry: choosing it shows no notes and launches nothing");
        } else if (rest != nullptr) {
            CheckChoice(findings, file.name, entry.text, *rest);
        }
        for (const int line : rest != nullptr ? rest->repaired_lines() : std::vector<int>()) {
            findings.Add(
                line, Severity::kWarning,
                "this line is not valid UTF-8, though the file begins with UTF-8's byte-order mark: the "
                "launcher shows each bad sequence as \xEF\xBF\xBD (U+FFFD)");
        }
        return findings;
    }

    // What choosing the game shows, then whether its launch would find what it needs.
    void CheckChoice(GameFindings& findings, const std::string& name, const std::string& title,
                     platform::LineReader& rest) {
        GameConfig game;
        try {
            ParseGameValues(rest, game);
        } catch (...) {
            const RuntimeError error = TrappedError();
            ShowSelectionError(boxes_, error, name);
            findings.Add(error.line(), Severity::kError,
                         "choosing " + Quoted(title) + " shows the box " + Quoted(boxes_.Take()));
            return;
        }
        if (!game.strStartLocation.empty()) {
            const std::optional<std::uint32_t> attributes = Attributes(game.strStartLocation);
            if (!attributes) {
                findings.Add(
                    4, Severity::kError,
                    "the start location " + Quoted(game.strStartLocation) + " is not an existing folder");
            } else if (!(*attributes & platform::kAttrDirectory)) {
                findings.Add(
                    4, Severity::kError,
                    "the start location " + Quoted(game.strStartLocation) + " is a file, not a folder");
            }
        }
        if (game.strLaunchFile.empty()) {
            findings.Add(5, Severity::kError, "the launch file is empty: the launch opens nothing");
        } else {
            CheckProgram(findings, 5, "the launch file", game.strLaunchFile, game.strStartLocation);
        }
        if (!game.strCDPrelaunch.empty()) {
            CheckProgram(findings, 8, "the CD preparation program", game.strCDPrelaunch,
                         game.strStartLocation);
        }
    }

    void CheckProgram(GameFindings& findings, int line, std::string_view what, const std::string& program,
                      const std::string& start) {
        const ProgramLocation found = programs_.Find(program, start);
        std::string named(what);
        named += ' ' + Quoted(program);
        const std::string searched = ProgramSearch::SearchedName(program);
        if (searched != program) named += " (looked for as " + Quoted(searched) + ")";
        switch (found.place) {
            case ProgramPlace::kNowhere:
                if (ProgramSearch::TakenAsGiven(program)) {
                    findings.Add(line, Severity::kError, named + " does not exist");
                } else {
                    findings.Add(
                        line, Severity::kError,
                        named +
                            " is not found: not in the start folder, Windows' folders, the search path "
                            "(PATH) or the launcher folder");
                }
                return;
            case ProgramPlace::kAsGiven:
            case ProgramPlace::kStartFolder:
                break;
            case ProgramPlace::kWindowsFolder:
                findings.Add(line, Severity::kNote,
                             named + " is not in the start folder: the shell takes " + found.path +
                                 " from Windows' own folders");
                break;
            case ProgramPlace::kSearchPath:
                findings.Add(line, Severity::kWarning,
                             named + " is found only on the search path (PATH), as " + found.path +
                                 ": another computer may not have it");
                break;
            case ProgramPlace::kLauncherFolder:
                findings.Add(
                    line, Severity::kWarning,
                    named +
                        " is found only in the launcher folder, which the shell searches last (Windows does "
                        "not document it)");
                break;
            case ProgramPlace::kAppPaths:
                findings.Add(line, Severity::kWarning,
                             named + " is found only through its App Paths registration, as " + found.path +
                                 ": another computer may not have it");
                break;
        }
        if (found.folder) findings.Add(line, Severity::kError, named + " is a folder, not a program");
    }

    // The box of the file `list[stop]` that stops the fill, and the games it hides: every entry after it.
    void CheckStop(const std::vector<GameListFile>& list, std::size_t stop) {
        const GameListFile& file = list[stop];
        ShowListFillError(boxes_, *file.stop);
        std::string text = "stops the game list at start with the box " + Quoted(boxes_.Take());
        std::vector<const std::string*> hidden;
        for (std::size_t j = stop + 1; j < list.size(); ++j) {
            if (list[j].Listable()) hidden.push_back(&list[j].entry.text);
        }
        if (hidden.empty()) {
            text += "; it hides no game";
        } else {
            text += "; it hides " + Plural(static_cast<std::int64_t>(hidden.size()), "game") + ": ";
            const std::size_t shown = std::min(hidden.size(), kHiddenNamesShown);
            for (std::size_t k = 0; k < shown; ++k) {
                if (k > 0) text += ", ";
                text += Quoted(*hidden[k]);
            }
            if (shown < hidden.size()) text += " and " + std::to_string(hidden.size() - shown) + " more";
        }
        Add(paths_.config_folder + file.name, file.stop->line(), Severity::kError, std::move(text));
    }

    // The files of the configuration folder that look meant to be games but are not listed.
    void CheckUnlisted(const std::vector<GameListFile>& list) {
        std::unordered_set<std::string> listed;
        for (const GameListFile& file : list) listed.insert(file.name);
        std::vector<std::pair<std::string, std::string>> unlisted;  // name, reason
        const std::string& folder = paths_.config_folder;
        try {
            for (std::string name = files_.ListFirst(folder, platform::ListMask::kEverything); !name.empty();
                 name = files_.ListNext()) {
                if (!MentionsConfigExtension(name) || listed.count(name) != 0) continue;
                const std::uint32_t attributes = Attributes(folder + name).value_or(0);
                std::string reason;
                if (attributes & platform::kAttrDirectory) {
                    reason = "it is a folder";
                } else if (attributes & (platform::kAttrHidden | platform::kAttrSystem)) {
                    reason = "it is a hidden or system file";
                } else if (name.ends_with(kSaveTemporarySuffix)) {
                    reason =
                        "it is the temporary file of a VexarEdit save that did not finish, which no game "
                        "needs: delete it";
                } else if (MentionsConfigExtension(name.substr(name.size() - 4))) {
                    reason = "its name must end in \".cfg\" in lower case";
                } else {
                    reason = "its name ends in " + Quoted(name.substr(name.rfind('.'))) + ", not in \".cfg\"";
                }
                unlisted.emplace_back(std::move(name), std::move(reason));
            }
        } catch (const RuntimeError&) {
            // A folder that cannot be listed is reported with the listing's box already.
        }
        const BinaryCompare compare(codec_);
        std::sort(unlisted.begin(), unlisted.end(),
                  [&compare](const auto& a, const auto& b) { return compare.Less(a.first, b.first); });
        for (const auto& [name, reason] : unlisted) {
            Add(folder + name, 0, Severity::kWarning, "not listed: " + reason);
        }
    }

    ReadOnlyFiles files_;
    const platform::TextCodec& codec_;
    const LauncherPaths& paths_;
    ProgramSearch programs_;
    BoxRecorder boxes_;
    CheckReport report_;
};

}  // namespace

std::int32_t CheckReport::Problems() const {
    return static_cast<std::int32_t>(std::count_if(
        findings.begin(), findings.end(), [](const Finding& f) { return f.severity != Severity::kNote; }));
}

int CheckReport::ExitStatus() const {
    return Problems() > 0 ? kExitProblems : kExitNoProblem;
}

CheckReport CheckLauncherFolder(platform::FileSystem& files, const platform::TextCodec& codec,
                                const ShellFolders& shell, const LauncherPaths& paths) {
    return FolderCheck(files, codec, shell, paths).Run();
}

Finding GamepadNote(const std::string& xinput_library) {
    if (xinput_library.empty()) {
        return {"xinput1_4.dll", 0, Severity::kNote,
                "no XInput (1.4 or 9.1.0) in the system folder: the launcher is played without a gamepad"};
    }
    return {xinput_library, 0, Severity::kNote, "XInput is there: a gamepad chooses and starts games"};
}

std::string FormatFinding(const Finding& finding) {
    std::string line = finding.file;
    if (finding.line > 0) line += ':' + std::to_string(finding.line);
    switch (finding.severity) {
        case Severity::kNote:
            line += ": note: ";
            break;
        case Severity::kWarning:
            line += ": warning: ";
            break;
        case Severity::kError:
            line += ": error: ";
            break;
    }
    line += finding.text;
    return line;
}

std::string FormatSummary(const CheckReport& report) {
    return Plural(report.games_listed, "game") + " listed, " + Plural(report.Problems(), "problem");
}

}  // namespace vexar
