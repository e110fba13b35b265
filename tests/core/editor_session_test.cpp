// The editor's decisions over the double: the paths it writes for what the author chose, the checker's
// findings over the unsaved text, and the session's answers to the window's events.
#include <gtest/gtest.h>

#include "config_text.h"
#include "double/editor_double.h"
#include "editor/editor_session.h"

namespace vexar::testing {
namespace {

using editor::Field;
using platform::Answer;
constexpr std::string_view kDisc = "E:\\Disc";

// A launcher folder E:\Disc on a disc: a game's folder with programs in it and below it, a tools folder,
// a folder beside the launcher folder, and programs in Windows' folders and on the search path.
struct Disc {
    Disc() {
        for (const char* folder : {"E:\\Disc", "E:\\Disc\\Configs", "E:\\Disc\\Games\\Raiders", "E:\\Other"})
            files.AddFolder(folder);
        for (const char* file :
             {"Games\\Raiders\\raiders.exe", "Games\\Raiders\\bin\\r.exe", "Games\\Raiders\\bin\\notepad.exe",
              "Games\\Doom\\bin\\x64\\doom.exe", "Tools\\dosbox.exe"})
            files.AddFile("E:\\Disc\\" + std::string(file));
        for (const char* file : {"E:\\Other\\o.exe", "C:\\Windows\\notepad.exe"}) files.AddFile(file);
    }
    FakeFileSystem files;
    Cp1252Codec codec;
    FakeShellFolders folders;
    editor::UnsavedFileSystem unsaved{files, std::string(kDisc), "Configs\\raiders.cfg", ""};
    ProgramSearch search{unsaved, folders};
};

TEST(EditorPaths, WritesTheShortestFormTheShellsSearchFindsTheChosenPathBy) {
    // A start "-" chooses a start folder; a warning is given by how it begins.
    struct Row {
        std::string chosen, start, written, warning;
    };
    // clang-format off
    for (const Row& row : std::vector<Row>{
             {"e:\\disc\\games/raiders\\", "-", "games\\raiders", ""},
             {"E:\\Disc", "-", ".", ""},
             {"E:\\Other\\Raiders", "-", "..\\Other\\Raiders", "outside the launcher"},
             {"C:\\Games\\Raiders", "-", "C:\\Games\\Raiders", "on drive C:, not"},
             {"\\\\pc\\share\\R", "-", "\\\\pc\\share\\R", "on the network share \\\\pc\\share:"},
             {"E:\\Disc\\Games\\Raiders\\bin\\r.exe", "Games\\Raiders", "bin\\r.exe", ""},
             // The bare name would be Windows' own notepad.exe.
             {"E:\\Disc\\Games\\Raiders\\bin\\notepad.exe", "Games\\Raiders", "bin\\notepad.exe", ""},
             {"C:\\Windows\\notepad.exe", "Games\\Raiders", "notepad.exe", "found in Windows'"},
             {"E:\\Disc\\Tools\\dosbox.exe", "Games\\Raiders", "..\\..\\Tools\\dosbox.exe", "outside the start folder"},
             {"E:\\Other\\o.exe", "Games\\Raiders", "..\\..\\..\\Other\\o.exe", "outside the launcher"},
             // Without a start folder the shell would find it nowhere but in the launcher folder.
             {"E:\\Disc\\Games\\Raiders\\raiders.exe", "", "E:\\Disc\\Games\\Raiders\\raiders.exe", "written as chosen"},
         }) {
        // clang-format on
        Disc disc;
        const editor::ProposedPath got =
            row.start == "-" ? editor::ProposeStartFolder(row.chosen, kDisc)
                             : editor::ProposeProgram(row.chosen, row.start, kDisc, disc.search);
        EXPECT_EQ(got.value, row.written) << row.chosen;
        EXPECT_EQ(got.warning.substr(0, row.warning.size()), row.warning) << row.chosen;
        EXPECT_EQ(got.warning.empty(), row.warning.empty()) << row.chosen;
    }
}

TEST(EditorPaths, NamesAGamesFileAfterItsTitle) {
    const auto taken = [](const std::string& name) {
        return name == "Raiders.cfg" || name == "Raiders (2).cfg";
    };
    for (const auto& [title, name] : std::vector<std::pair<std::string, std::string>>{
             {"Star Raiders: Part <2>?", "Star Raiders Part 2.cfg"},
             {"Raiders", "Raiders (3).cfg"},
             {" Doom. ", "Doom.cfg"},
             {"nul.x", "nul_.x.cfg"}}) {
        EXPECT_EQ(editor::FileNameForTitle(title, taken), name) << title;
    }
}

TEST(UnsavedFindings, AreTheCheckersOverTheUnsavedTextAboutThisFile) {
    Disc disc;
    disc.files.AddFile("E:\\Disc\\Configs\\a.cfg", ConfigText({"Short"}));
    disc.files.AddFile("E:\\Disc\\Configs\\zz.cfg", ConfigText({"Value:         Broken"}, "LABEL"));
    // A file before it stops the list; the one after it is broken, which is no finding of this file.
    std::string got;
    for (const Finding& finding : editor::UnsavedFindings(disc.files, disc.codec, disc.folders, kDisc,
                                                          "Configs\\new.cfg", ConfigText(ConfigValues{})))
        got += FormatFinding(finding) + "\n";
    EXPECT_EQ(
        got,
        "Configs\\a.cfg:2: error: stops the game list at start with the box \"5 Invalid procedure call or "
        "argument in Private Sub PopulateList\"; it hides 1 game: \"Invalid Config (zz.cfg)\"\n"
        "Configs\\new.cfg:2: warning: not listed: its title (line 2) is empty\n");
}

const ConfigValues kRaiders{"Raiders", "n",          "Games\\Raiders", "raiders.exe",
                            "-window", "-data data", "setupcd.exe",    "-data D:\\data -g C:\\vexardat"};

// The editor open on Configs\raiders.cfg of the disc.
struct Editing : Disc {
    Editing() {
        files.AddFile("E:\\Disc\\Configs\\raiders.cfg", ConfigText(kRaiders));
        session.Open("raiders.cfg");
    }
    void Type(Field field, std::string text) {
        view.fields[static_cast<int>(field)] = std::move(text);
        session.FieldEdited(field);
    }
    FakeShell shell;
    FakeMessageBoxes boxes;
    FakeEditorView view;
    editor::EditorSession session{{{files, shell, boxes, codec}, files, folders}, view, std::string(kDisc)};
};

TEST(EditorSession, ShowsTheUnsavedValuesFindingsAndCommandsAndAsksBeforeClosing) {
    Editing e;
    EXPECT_EQ(e.view.caption, "Vexar Edit - Configs\\raiders.cfg");
    EXPECT_EQ(e.view.commands[0], "raiders.exe -window -data data   in Games\\Raiders");
    EXPECT_EQ(e.view.commands[1],
              "setupcd.exe (minimised), then raiders.exe -window -data D:\\data -g C:\\vexardat   in "
              "Games\\Raiders");
    const std::string prefix = "Configs\\raiders.cfg:";
    // The checker's finding about the preparation program, then the drive letter's (C: is silent).
    const std::vector<std::string>& findings = e.view.findings;
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_TRUE(findings[0].starts_with(prefix + "8: error: the CD preparation")) << findings[0];
    EXPECT_TRUE(findings[1].starts_with(prefix + "9: warning: drive D: in the CD")) << findings[1];
    e.Type(Field::kStartLocation, "Games\\Missing");
    EXPECT_EQ(e.view.caption, "Vexar Edit - Configs\\raiders.cfg *");
    e.session.TypingPaused();
    EXPECT_EQ(findings.at(0),
              prefix + "4: error: the start location \"Games\\Missing\" is not an existing folder");
    EXPECT_EQ(e.view.save_state, editor::SaveState::kAllowed);
    e.Type(Field::kStartLocation, "");
    e.session.PathChosen(Field::kLaunchFile, "E:\\Disc\\Games\\Raiders\\bin\\r.exe");
    EXPECT_EQ(e.view.fields[2] + "|" + e.view.fields[3], "Games\\Raiders\\bin|r.exe");
    e.Type(Field::kTitle, "");
    e.session.TypingPaused();
    EXPECT_EQ(e.view.save_state, editor::SaveState::kBlocked);
    EXPECT_EQ(e.view.status.substr(0, 18), "The title is empty");
    e.boxes.answers = {Answer::kCancel, Answer::kNo};
    EXPECT_FALSE(e.session.Close());
    EXPECT_EQ(e.view.destroyed, 0);
    EXPECT_TRUE(e.session.Close());
    EXPECT_EQ(e.view.destroyed, 1);
    EXPECT_EQ(e.boxes.shown.at(1).buttons, platform::Buttons::kYesNoCancel);
    EXPECT_EQ(e.files.Content("E:\\Disc\\Configs\\raiders.cfg"), ConfigText(kRaiders));
}

TEST(EditorSession, TestHandsTheLaunchersPlanToTheShellAndShowsARefusalAsRunDoes) {
    Editing e;
    e.shell.refusals["setupcd.exe"] = "No such file.";
    e.session.Test(LaunchMode::kCd);
    const std::string folder = "E:\\Disc\\Games\\Raiders";
    EXPECT_EQ(e.shell.calls, (std::vector<platform::ShellRequest>{
                                 {"open", "setupcd.exe", "", folder, platform::ShowCommand::kMinimized},
                                 {"open", "raiders.exe", "-window -data D:\\data -g C:\\vexardat", folder}}));
    EXPECT_EQ(e.boxes.shown, (std::vector<ShownBox>{{"Windows could not open \"setupcd.exe\" in the folder "
                                                     "\"Games\\Raiders\": No such file.",
                                                     "Error !", platform::Icon::kCritical}}));
}

TEST(EditorSession, TurnsWhatStandsInTheWayOfASaveIntoQuestionsAndBoxes) {
    const std::string raiders = "E:\\Disc\\Configs\\raiders.cfg",
                      other = ConfigText({"Value:         Other"});
    struct Row {
        const char* label;
        std::function<bool(Editing&)> act;
        std::vector<Answer> answers;
        std::string box;   // the box's text, from its start
        std::string left;  // what the file holds afterwards, or the saved file's name
    };
    // clang-format off
    for (const Row& row : std::vector<Row>{
             {"saved", [](Editing& e) { e.Type(Field::kNotes, "m"); const bool saved = e.session.Save(); EXPECT_TRUE(e.view.status.ends_with("saved with 1 error")) << e.view.status; return saved; }, {}, "", ConfigText(ConfigValues{kRaiders.title, "m", "Games\\Raiders", "raiders.exe", "-window", "-data data", "setupcd.exe", kRaiders.cd_params})},
             {"read-only", [&](Editing& e) { e.files.AddFile(raiders, ConfigText(kRaiders), platform::kAttrReadOnly); e.Type(Field::kNotes, "m"); return e.session.Save(); }, {}, "raiders.cfg is read-only: it is not saved", ConfigText(kRaiders)},
             {"changed elsewhere, kept", [&](Editing& e) { e.files.AddFile(raiders, other); e.Type(Field::kNotes, "m"); return e.session.Save(); }, {Answer::kNo}, "raiders.cfg was changed by another program", other},
             {"refused", [](Editing& e) { e.Type(Field::kTitle, ""); return e.session.Save(); }, {}, "Configs\\raiders.cfg is not saved.\r\n\r\nThe title is empty", ConfigText(kRaiders)},
             {"lacking", [](Editing& e) { e.files.AddFile("E:\\Disc\\Configs\\ansi.cfg", ConfigText({"Value:         Caf\xE9"})); e.session.Open("ansi.cfg"); e.Type(Field::kTitle, "\xCE\xA9"); return e.session.Save(); }, {Answer::kYes}, "ansi.cfg is written in this computer's ANSI code page, which lacks these characters: \xCE\xA9.", "ansi.cfg"},
             {"name taken", [](Editing& e) { e.files.AddFile("E:\\Disc\\Configs\\a.cfg"); return e.session.SaveAs("a.cfg"); }, {Answer::kNo}, "a.cfg exists already.\r\n\r\nReplace it?", ConfigText(kRaiders)},
             {"new game", [](Editing& e) { e.session.NewFromProgram("E:\\Disc\\Games\\Doom\\bin\\x64\\doom.exe"); EXPECT_EQ(e.view.fields[1], "") << "the notes of the game open before"; return e.session.Save(); }, {}, "", "Doom.cfg"},
         }) {
        // clang-format on
        Editing e;
        e.boxes.answers.assign(row.answers.begin(), row.answers.end());
        const bool saved = row.act(e);
        EXPECT_EQ(saved, row.box.empty() || row.answers == std::vector{Answer::kYes}) << row.label;
        const std::string box = e.boxes.shown.empty() ? "" : e.boxes.shown.front().text;
        EXPECT_EQ(box.substr(0, row.box.size()), row.box) << row.label;
        if (row.left.ends_with(".cfg")) {
            EXPECT_EQ(e.view.caption, "Vexar Edit - Configs\\" + row.left) << row.label;
        } else {
            EXPECT_EQ(e.files.Content(raiders), row.left) << row.label;
        }
    }
}

TEST(EditorSession, DecidesTheStartFromTheArgument) {
    Disc disc;
    for (const auto& [argument, start] : std::vector<std::pair<std::string, std::string>>{
             {"Games\\Raiders\\", "E:\\Disc\\Games\\Raiders|||"},
             {"configs\\raiders.cfg", "E:\\Disc|raiders.cfg||"},
             {"F:\\Raiders\\raiders.EXE", "E:\\Disc||F:\\Raiders\\raiders.EXE|"},
             {"F:\\raiders.cfg", "F:\\|||F:\\raiders.cfg is not in a Configs folder"}}) {
        const editor::EditorStart got = editor::DecideStart(argument, "E:\\Disc\\", disc.files);
        const std::string note = got.note.substr(0, got.note.find(':', 3));  // up to its colon
        EXPECT_EQ(got.launcher + "|" + got.name + "|" + got.program + "|" + note, start) << argument;
    }
}

}  // namespace
}  // namespace vexar::testing
