#include "editor/editor_session.h"

#include <algorithm>

#include "launcher/launcher_paths.h"
#include "launcher/launcher_rules.h"
#include "platform/messages.h"
#include "platform/utf.h"

namespace vexar::editor {

namespace {

// The title of the editor's boxes.
constexpr std::string_view kEditorTitle = "Vexar Edit";

// Programs a start argument makes a new game from.
constexpr std::array<std::string_view, 4> kProgramExtensions = {".exe", ".bat", ".cmd", ".com"};

std::string_view EncodingName(platform::Encoding encoding) {
    switch (encoding) {
        case platform::Encoding::kUtf8:
            return "UTF-8";
        case platform::Encoding::kUtf8Mark:
            return "UTF-8 with a byte-order mark";
        case platform::Encoding::kUtf16Le:
            return "UTF-16 LE";
        case platform::Encoding::kUtf16Be:
            return "UTF-16 BE";
        case platform::Encoding::kAnsi:
            break;
    }
    return "ANSI";
}

std::string_view LineEndName(LineEnd end) {
    switch (end) {
        case LineEnd::kLf:
            return "LF";
        case LineEnd::kCr:
            return "CR";
        case LineEnd::kCrLf:
            break;
    }
    return "CR LF";
}

// One mode's launch as the window shows it: the file, its parameters and the folder it starts in.
std::string LaunchText(const platform::ShellRequest& request) {
    std::string text = request.file.empty() ? std::string("(no launch file)") : request.file;
    if (!request.parameters.empty()) text.append(" ").append(request.parameters);
    if (!request.directory.empty()) text.append("   in ").append(request.directory);
    return text;
}

std::string CommandsText(const LaunchPlan& plan) {
    std::string text;
    if (plan.preparation) text = plan.preparation->file + " (minimised), then ";
    return text + LaunchText(std::get<platform::ShellRequest>(plan.action));
}

// `text` ending in a full stop.
std::string Sentence(std::string text) {
    if (!text.ends_with('.')) text += '.';
    return text;
}

}  // namespace

EditorStart DecideStart(std::string_view argument, std::string_view current, platform::FileSystem& files) {
    const std::string here = AbsolutePath(current, current);
    if (argument.empty()) return {here, "", "", ""};
    const std::string path = AbsolutePath(argument, here);
    std::uint32_t attributes = 0;
    try {
        attributes = files.ReadAttributes(path);
    } catch (const RuntimeError&) {
        // Not there: its name says what it was meant to be.
    }
    if (attributes & platform::kAttrDirectory) return {path, "", "", ""};
    const std::string lower = utf::AsciiLower(path);
    if (std::any_of(kProgramExtensions.begin(), kProgramExtensions.end(),
                    [&](std::string_view extension) { return lower.ends_with(extension); })) {
        return {here, "", path, ""};
    }
    const auto [folder, name] = FolderAndName(path);
    if (utf::AsciiLower(FolderAndName(folder).second) == "configs") {
        return {AbsolutePath("..", folder), std::string(name), "", ""};
    }
    return {AbsolutePath(folder, folder), "", "",
            path +
                " is not in a Configs folder: VexarEdit edits the game files in a launcher folder's Configs "
                "folder"};
}

EditorSession::EditorSession(EditorServices services, EditorView& view, std::string launcher)
    : services_(services), view_(view), launcher_(AbsolutePath(launcher, launcher)) {
    target_.folder = AbsolutePath("Configs", launcher_) + "\\";
}

UnsavedFileSystem EditorSession::Files() const {
    return UnsavedFileSystem(services_.platform.files, launcher_, "", "");
}

std::string EditorSession::Shown() const {
    return target_.name.empty() ? std::string("the new game") : LauncherPaths{}.config_folder + target_.name;
}

GameConfig EditorSession::Game() const {
    const auto value = [&](Field field) { return document_.Value(field); };
    return {value(Field::kNotes),         value(Field::kStartLocation), value(Field::kLaunchFile),
            value(Field::kDefaultParams), value(Field::kHDParams),      value(Field::kCDPrelaunch),
            value(Field::kCDParams)};
}

bool EditorSession::Changed() const {
    return document_.Changed();
}

bool EditorSession::ChangesSettled() {
    if (!Changed()) return true;
    switch (MsgBox(services_.platform.boxes, "Save the changes to " + Shown() + "?",
                   platform::Icon::kQuestion, platform::Buttons::kYesNoCancel, kEditorTitle)) {
        case platform::Answer::kYes:
            return Save();
        case platform::Answer::kNo:
            return true;
        default:
            return false;
    }
}

bool EditorSession::Open(std::string_view name) {
    if (!ChangesSettled()) return false;
    SaveTarget target{target_.folder, std::string(name), std::nullopt};
    GameDocument document = GameDocument::New();
    if (!name.empty()) {
        try {
            document = Load(services_.platform.files, services_.writer, services_.platform.codec, target);
        } catch (...) {
            MsgBox(
                services_.platform.boxes,
                LauncherPaths{}.config_folder + target.name + " cannot be read: " + ErrorText(TrappedError()),
                platform::Icon::kCritical, platform::Buttons::kOk, kEditorTitle);
            return false;
        }
    }
    document_ = std::move(document);
    target_ = std::move(target);
    proposed_ = {};
    saved_ = false;
    ShowDocument();
    return true;
}

bool EditorSession::NewFromProgram(std::string_view program) {
    if (!ChangesSettled()) return false;
    document_ = GameDocument::New();
    target_ = {target_.folder, "", std::nullopt};
    proposed_ = {};
    saved_ = false;
    UnsavedFileSystem files = Files();
    ProgramSearch search(files, services_.folders);
    NewGame game = NewGameFromProgram(program, launcher_, search);
    document_.SetValue(Field::kTitle, game.title);
    SetProposed(Field::kStartLocation, std::move(game.start));
    SetProposed(Field::kLaunchFile, std::move(game.program));
    ShowDocument();
    return true;
}

void EditorSession::ShowDocument() {
    for (int i = 0; i < kFieldCount; ++i) {
        const Field field = static_cast<Field>(i);
        view_.SetFieldText(field, document_.Value(field));
    }
    ShowCaption();
    TypingPaused();
}

void EditorSession::ShowCaption() {
    view_.SetCaption(std::string(kEditorTitle) + " - " + Shown() + (Changed() ? " *" : ""));
}

void EditorSession::FieldEdited(Field field) {
    document_.SetValue(field, view_.FieldText(field));
    saved_ = false;
    ShowCaption();
}

void EditorSession::SetProposed(Field field, ProposedPath proposed) {
    document_.SetValue(field, proposed.value);
    view_.SetFieldText(field, proposed.value);
    proposed_[static_cast<std::size_t>(field)] = std::move(proposed);
}

void EditorSession::PathChosen(Field field, std::string_view chosen) {
    UnsavedFileSystem files = Files();
    if (field == Field::kStartLocation) {
        SetProposed(field, ProposeStartFolder(chosen, launcher_));
    } else if (field == Field::kLaunchFile || field == Field::kCDPrelaunch) {
        if (document_.Value(Field::kStartLocation).empty()) {
            SetProposed(Field::kStartLocation,
                        ProposeStartFolder(AbsolutePath(std::string(chosen) + "\\..", launcher_), launcher_));
        }
        ProgramSearch search(files, services_.folders);
        SetProposed(field, ProposeProgram(chosen, document_.Value(Field::kStartLocation), launcher_, search));
    } else {
        SetProposed(field, {std::string(chosen), ""});
    }
    saved_ = false;
    ShowCaption();
    TypingPaused();
}

std::string EditorSession::NewFileName() {
    return FileNameForTitle(document_.Value(Field::kTitle), [&](const std::string& name) {
        try {
            services_.platform.files.ReadAttributes(target_.folder + name);
            return true;
        } catch (const RuntimeError&) {
            return false;
        }
    });
}

void EditorSession::TypingPaused() {
    try {
        const std::string config =
            LauncherPaths{}.config_folder + (target_.name.empty() ? NewFileName() : target_.name);
        // What the file would be: in UTF-8 where its encoding lacks a character, as saving offers.
        Encoded encoded = document_.Encode(services_.platform.codec);
        if (!encoded.lacking.empty()) {
            GameDocument utf8 = document_;
            utf8.UseUtf8();
            encoded = utf8.Encode(services_.platform.codec);
        }
        std::vector<Finding> findings = UnsavedFindings(services_.platform.files, services_.platform.codec,
                                                        services_.folders, launcher_, config, encoded.bytes);
        for (int i = 0; i < kFieldCount; ++i) {
            const Field field = static_cast<Field>(i);
            const ProposedPath& proposed = proposed_[static_cast<std::size_t>(i)];
            // A note is the checker's own finding already.
            if (proposed.severity == Severity::kWarning && !proposed.warning.empty() &&
                document_.Value(field) == proposed.value) {
                findings.push_back({config, FieldLine(field), proposed.severity, proposed.warning});
            }
        }
        for (std::string& warning : ParameterWarnings(Field::kCDParams, document_.Value(Field::kCDParams))) {
            findings.push_back({config, FieldLine(Field::kCDParams), Severity::kWarning, std::move(warning)});
        }
        errors_ = static_cast<int>(std::count_if(findings.begin(), findings.end(), [](const Finding& f) {
            return f.severity == Severity::kError;
        }));
        view_.ShowFindings(findings);

        const GameConfig game = Game();
        view_.ShowCommands(CommandsText(PlanLaunch(game, "", LaunchMode::kHardDrive)),
                           CommandsText(PlanLaunch(game, "", LaunchMode::kCd)));

        std::optional<std::string> refusal;
        for (int i = 0; i < kFieldCount && !refusal; ++i) {
            const Field field = static_cast<Field>(i);
            refusal = RefusalOf(field, document_.Value(field));
        }
        view_.SetSaveState(refusal ? SaveState::kBlocked : SaveState::kAllowed);
        if (refusal) {
            view_.ShowStatus(*refusal);
            return;
        }
        UnsavedFileSystem files = Files();
        std::string status = std::string(EncodingName(document_.encoding())) + " - " +
                             std::string(LineEndName(document_.line_end())) + " - CD mode " +
                             (CdModeSelected(files, LauncherPaths{}) ? "on" : "off") + " in this folder";
        if (saved_) status += " - saved";
        if (saved_ && errors_ > 0)
            status += " with " + std::to_string(errors_) + (errors_ == 1 ? " error" : " errors");
        view_.ShowStatus(status);
    } catch (...) {
        ShowError(services_.platform.boxes, TrappedError(), "");
    }
}

bool EditorSession::Save() {
    if (target_.name.empty()) return SaveAs(NewFileName());
    return SaveTo(target_);
}

bool EditorSession::SaveAs(std::string_view name) {
    // A name the game list would not show is the save plan's refusal.
    if (!target_.name.empty() && SamePath(name, target_.name)) return SaveTo(target_);
    SaveTarget target{target_.folder, std::string(name), std::nullopt};
    if (!SaveTo(target)) return false;
    target_ = std::move(target);
    ShowCaption();
    return true;
}

bool EditorSession::SaveTo(SaveTarget& target) {
    platform::MessageBoxes& boxes = services_.platform.boxes;
    // The plan's messages name the file and say what happened; the box asks what to do about it.
    const auto ask = [&](const SaveResult& result, std::string_view question) {
        return MsgBox(boxes, Sentence(result.message) + "\r\n\r\n" + std::string(question),
                      platform::Icon::kQuestion, platform::Buttons::kYesNo,
                      kEditorTitle) == platform::Answer::kYes;
    };
    Overwrite overwrite = Overwrite::kIfUnchanged;
    // Each answer changes what the next attempt does, so no outcome is asked about twice.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const SaveResult result = editor::Save(document_, target, overwrite, services_.platform.files,
                                               services_.writer, services_.platform.codec);
        switch (result.outcome) {
            case SaveOutcome::kSaved:
                saved_ = true;
                ShowCaption();
                TypingPaused();
                return true;
            case SaveOutcome::kLacking:
                if (!ask(result, "Save it as UTF-8 instead? The launcher reads UTF-8 files as well."))
                    return false;
                document_.UseUtf8();
                break;
            case SaveOutcome::kChangedOnDisk:
                if (!ask(result, "Overwrite it with the values shown here?")) return false;
                overwrite = Overwrite::kAnyway;
                break;
            case SaveOutcome::kExists:
                if (!ask(result, "Replace it?")) return false;
                try {
                    target.stamp = services_.writer.Stamp(target.folder + target.name);
                } catch (const RuntimeError&) {
                    // Gone again: it is saved as a new file.
                }
                overwrite = Overwrite::kAnyway;
                break;
            case SaveOutcome::kRefused:
                MsgBox(boxes,
                       LauncherPaths{}.config_folder + target.name + " is not saved.\r\n\r\n" +
                           result.message + ".",
                       platform::Icon::kWarning, platform::Buttons::kOk, kEditorTitle);
                return false;
            case SaveOutcome::kReadOnly:
            case SaveOutcome::kFailed:
                MsgBox(boxes, Sentence(result.message), platform::Icon::kCritical, platform::Buttons::kOk,
                       kEditorTitle);
                return false;
        }
    }
    return false;
}

void EditorSession::Test(LaunchMode mode) {
    try {
        const GameConfig game = Game();
        LaunchPlan plan = PlanLaunch(game, "", mode);
        const std::string folder = AbsolutePath(game.strStartLocation, launcher_);
        if (plan.preparation) plan.preparation->directory = folder;
        std::get<platform::ShellRequest>(plan.action).directory = folder;
        OpenPlan(services_.platform.shell, plan,
                 [&](const platform::ShellRequest& request, const std::string& reason) {
                     platform::ShellRequest shown = request;
                     shown.directory = game.strStartLocation;
                     MsgBox(services_.platform.boxes, ShellRefusalText(shown, reason),
                            platform::Icon::kCritical, platform::Buttons::kOk, kErrorTitle);
                 });
    } catch (...) {
        ShowError(services_.platform.boxes, TrappedError(), "");
    }
}

bool EditorSession::Close() {
    if (!ChangesSettled()) return false;
    view_.Destroy();
    return true;
}

}  // namespace vexar::editor
