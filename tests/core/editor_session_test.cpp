// The editor's decisions over the double: the paths it writes for what the author chose, the checker's
// findings over the unsaved text, and the session's answers to the window's events.
#include <gtest/gtest.h>

#include "config_text.h"
#include "double/editor_double.h"
#include "editor/editor_paths.h"
#include "editor/unsaved_findings.h"

namespace vexar::testing {
namespace {

using editor::Field;
constexpr std::string_view kDisc = "E:\\Disc";

// A launcher folder E:\Disc on a disc: a game's folder with a program in it and below it, a tools folder,
// a folder beside the launcher folder, and programs in Windows' folders and on the search path.
struct Disc {
    Disc() {
        for (const char* folder : {"E:\\Disc", "E:\\Disc\\Configs", "E:\\Disc\\Games\\Raiders", "E:\\Other"})
            files.AddFolder(folder);
        for (const char* file :
             {"Games\\Raiders\\raiders.exe", "Games\\Raiders\\bin\\r.exe", "Games\\Raiders\\bin\\notepad.exe",
              "Games\\Raiders\\hostname.exe", "Games\\Doom\\bin\\x64\\doom.exe", "Tools\\dosbox.exe"})
            files.AddFile("E:\\Disc\\" + std::string(file));
        for (const char* file : {"E:\\Other\\o.exe", "C:\\Windows\\notepad.exe", "C:\\Windows\\hostname.exe",
                                 "C:\\Tools\\pathonly.exe", "F:\\setup.exe"})
            files.AddFile(file);
    }
    FakeFileSystem files;
    Cp1252Codec codec;
    FakeShellFolders folders;
    editor::UnsavedFileSystem unsaved{files, std::string(kDisc), "Configs\\raiders.cfg", ""};
    ProgramSearch search{unsaved, folders};
};

TEST(EditorPaths, WritesTheShortestFormTheShellsSearchFindsTheChosenPathBy) {
    struct Row {
        Field field;
        std::string chosen, start, written, warning;  // the warning's start
    };
    const std::string c = "C:\\";
    for (const Row& row : std::vector<Row>{
             {Field::kStartLocation, "E:\\Disc\\Games\\Raiders", "", "Games\\Raiders", ""},
             {Field::kStartLocation, "e:\\disc\\games/raiders\\", "", "games\\raiders", ""},
             {Field::kStartLocation, "E:\\Disc", "", ".", ""},
             {Field::kStartLocation, "E:\\Other\\Raiders", "", "..\\Other\\Raiders", "outside the launcher"},
             {Field::kStartLocation, "C:\\Games\\Raiders", "", "C:\\Games\\Raiders", "on drive C:, not"},
             {Field::kStartLocation, "\\\\pc\\share\\R", "", "\\\\pc\\share\\R",
              "on the network share \\\\pc\\share:"},
             {Field::kLaunchFile, "E:\\Disc\\Games\\Raiders\\raiders.exe", "Games\\Raiders", "raiders.exe",
              ""},
             {Field::kLaunchFile, "E:\\Disc\\Games\\Raiders\\bin\\r.exe", "Games\\Raiders", "bin\\r.exe", ""},
             // Its bare name would be Windows' own notepad.exe, and in the start folder another hostname.exe.
             {Field::kLaunchFile, "E:\\Disc\\Games\\Raiders\\bin\\notepad.exe", "Games\\Raiders",
              "bin\\notepad.exe", ""},
             {Field::kLaunchFile, c + "Windows\\hostname.exe", "Games\\Raiders", c + "Windows\\hostname.exe",
              "on drive C:"},
             {Field::kLaunchFile, c + "Windows\\notepad.exe", "Games\\Raiders", "notepad.exe",
              "found in Windows'"},
             {Field::kLaunchFile, "E:\\Disc\\Tools\\dosbox.exe", "Games\\Raiders",
              "..\\..\\Tools\\dosbox.exe", "outside the start folder"},
             {Field::kLaunchFile, "E:\\Other\\o.exe", "Games\\Raiders", "..\\..\\..\\Other\\o.exe",
              "outside the launcher"},
             {Field::kLaunchFile, c + "Tools\\pathonly.exe", "Games\\Raiders", c + "Tools\\pathonly.exe",
              "on drive C:"},
             // Without a start folder the shell would find it only in the launcher folder, if at all.
             {Field::kLaunchFile, "E:\\Disc\\Games\\Raiders\\raiders.exe", "",
              "E:\\Disc\\Games\\Raiders\\raiders.exe", "written as chosen"},
         }) {
        Disc disc;
        const editor::ProposedPath got =
            row.field == Field::kStartLocation
                ? editor::ProposeStartFolder(row.chosen, kDisc)
                : editor::ProposeProgram(row.chosen, row.start, kDisc, disc.search);
        EXPECT_EQ(got.value, row.written) << row.chosen;
        EXPECT_EQ(got.warning.substr(0, row.warning.size()), row.warning) << row.chosen;
        EXPECT_EQ(got.warning.empty(), row.warning.empty()) << row.chosen;
    }
}

TEST(EditorPaths, MakesANewGameFromAProgramAndNamesItsFile) {
    for (const auto& [program, made] : std::vector<std::pair<std::string, std::string>>{
             {"E:\\Disc\\Games\\Raiders\\raiders.exe", "Raiders|Games\\Raiders|raiders.exe"},
             {"E:\\Disc\\Games\\Doom\\bin\\x64\\doom.exe", "Doom|Games\\Doom\\bin\\x64|doom.exe"},
             {"F:\\setup.exe", "setup|F:\\|setup.exe"}}) {
        Disc disc;
        const editor::NewGame game = editor::NewGameFromProgram(program, kDisc, disc.search);
        EXPECT_EQ(game.title + "|" + game.start.value + "|" + game.program.value, made);
    }
    const auto taken = [](const std::string& name) {
        return name == "Raiders.cfg" || name == "Raiders (2).cfg";
    };
    for (const auto& [title, name] : std::vector<std::pair<std::string, std::string>>{
             {"Star Raiders: Part <2>?", "Star Raiders Part 2.cfg"},
             {"Raiders", "Raiders (3).cfg"},
             {" Doom. ", "Doom.cfg"},
             {"CON", "CON_.cfg"},
             {"nul.x", "nul_.x.cfg"},
             {"*?", "game.cfg"}}) {
        EXPECT_EQ(editor::FileNameForTitle(title, taken), name) << title;
    }
    for (const auto& [name, refusal] : std::vector<std::pair<std::string, std::string>>{
             {"raiders.cfg", ""},
             {"raiders.CFG", "does not end in \".cfg\" in lower case"},
             {"raiders.cfg.txt", "does not end in \".cfg\" in lower case"},
             {"a:b.cfg", "holds a character"},
             {"Con .cfg", "names a device"}}) {
        const std::string got = editor::FileNameRefusal(name).value_or("");
        EXPECT_EQ(got.substr(std::min(got.size(), name.size() + 17)).substr(0, refusal.size()), refusal)
            << name;
    }
}

TEST(EditorPaths, WarnsOfDriveLettersInTheCdParametersOnly) {
    for (const auto& [field, value, drives] : std::vector<std::tuple<Field, std::string, std::string>>{
             {Field::kCDParams, "-data D:\\data", "D"},
             {Field::kCDParams, "-data c:\\vexardat -g C:\\gvexardat \"-x=C:\"", ""},
             {Field::kCDParams, "-cd d: -url http://x -x=e:/y -z D:\\w ab:\\c", "DE"},
             {Field::kHDParams, "-data D:\\data", ""}}) {
        std::string got;
        for (const std::string& warning : editor::ParameterWarnings(field, value)) {
            EXPECT_NE(warning.find("the CD's drive letter differs on every PC"), std::string::npos);
            got += warning.substr(6, 1);
        }
        EXPECT_EQ(got, drives) << value;
    }
}

TEST(UnsavedFindings, AreTheCheckersOverTheUnsavedTextAboutThisFile) {
    Disc disc;
    const ConfigValues saved{"Raiders", "n", "Games\\Raiders", "raiders.exe", "", "", "", ""};
    disc.files.AddFile("E:\\Disc\\Configs\\raiders.cfg", ConfigText(saved));
    disc.files.AddFile("E:\\Disc\\Configs\\a.cfg", ConfigText({"Short"}));
    disc.files.AddFile("E:\\Disc\\Configs\\zz.cfg", ConfigText({"Value:         Broken"}, "LABEL"));
    ConfigValues edited = saved;
    edited.start_location = "Games\\Missing";
    edited.launch_file = "notepad.exe";
    // A file before it stops the list; one after it is broken, which is not this file's finding.
    const std::string stop =
        "Configs\\a.cfg:2: error: stops the game list at start with the box \"5 Invalid procedure call or "
        "argument in Private Sub PopulateList\"; it hides 2 games: \"Raiders\", \"Invalid Config "
        "(zz.cfg)\"\n";
    for (const auto& [config, bytes, want] : std::vector<std::tuple<std::string, std::string, std::string>>{
             {"Configs\\raiders.cfg", ConfigText(edited),
              stop + "Configs\\raiders.cfg:4: error: the start location \"Games\\Missing\" is not an "
                     "existing folder\n"
                     "Configs\\raiders.cfg:5: note: the launch file \"notepad.exe\" is not in the start "
                     "folder: the "
                     "shell takes C:\\Windows\\notepad.exe from Windows' own folders\n"},
             {"Configs\\new.cfg", ConfigText(ConfigValues{"", "n", "Games\\Missing", "", "", "", "", ""}),
              stop + "Configs\\new.cfg:2: warning: not listed: its title (line 2) is empty\n"}}) {
        std::string got;
        for (const Finding& finding :
             editor::UnsavedFindings(disc.files, disc.codec, disc.folders, kDisc, config, bytes))
            got += FormatFinding(finding) + "\n";
        EXPECT_EQ(got, want) << config;
        EXPECT_EQ(disc.files.Content("E:\\Disc\\Configs\\raiders.cfg"), ConfigText(saved));
    }
    EXPECT_THROW(disc.unsaved.DeleteFileAt("Configs\\raiders.cfg", platform::AttributeReset::kNone),
                 RuntimeError);
}

}  // namespace
}  // namespace vexar::testing
