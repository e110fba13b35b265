// The launcher started from a shortcut: the command line, and what "/run" does with it in both modes.
#include "launcher/command_line.h"
#include "launcher/run_game.h"
#include "launcher_fixture.h"

namespace vexar::testing {
namespace {

TEST(ParseCommandLine, TakesTheSwitchTheNameAndTheRestAsTyped) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        // command line -> request|name|options
        {"\"C:\\Vexar Launcher\\VexarLauncher.exe\"", "0||"},
        {"x /run Game", "1|Game|"},
        {"x   /RUN Game.cfg  -a \"b c\" ", "1|Game.cfg| -a \"b c\" "},
        // Started by an unquoted path with blanks: the program's own name ends where it names the program.
        {"C:\\Games\\Vexar Launcher\\VexarLauncher.exe", "0||"},
        {"C:\\Games\\Vexar Launcher\\VexarLauncher.exe /run g -o", "1|g|-o"},
        {"Vexar Launcher\\VEXARLAUNCHER\t/Run \"My Game\" M\xC3\xBCller", "1|My Game|M\xC3\xBCller"},
        {"C:\\Vexar Launcher\\Other.exe /run g", "3||"},
        {"\"C:\\V L.exe\" -run \"My Game\" -w", "1|My Game|-w"},
        {"x /?", "2||"},
        {"x /run", "3||"},
        {"x /runx Game", "3||"},
        {"x Game", "3||"}};
    for (const auto& [line, want] : rows) {
        const CommandLine got = ParseCommandLine(line, "VexarLauncher.exe");
        EXPECT_EQ(std::to_string(int(got.request)) + "|" + got.name + "|" + got.options, want) << line;
    }
}

using Calls = std::vector<platform::ShellRequest>;
const platform::ShellRequest kGame{"open", "game.exe", "-d -o -h", "C:\\start", platform::ShowCommand{1}};
const platform::ShellRequest kPrep{"open", "prep.exe", "", "C:\\start", platform::ShowCommand{2}};

struct RunCase {
    VEXAR_ROW(RunCase)
    const char* label;
    std::string command;  // after the program's name
    bool cd;
    Calls calls;
    std::string box;  // the box shown, "title|text" (the text's start), or ""
    int status;
};
class Run : public LauncherTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(Run, StartsTheGameAsTheLaunchButtonWouldAndCountsFailures) {
    const RunCase& c = GetParam();
    const std::string l = "Label:         ";
    AddGame("Game.cfg",
            ConfigText(ConfigValues{"Game", "n", "C:\\start", "game.exe", "-d", "-h", "prep.exe", "-c"}));
    AddGame("Refused.cfg", ConfigText(ConfigValues{"R", "n", "C:\\start", "missing.exe", "", "", "", ""}));
    AddGame("Prep.cfg",
            ConfigText(ConfigValues{"P", "n", "C:\\start", "game.exe", "", "", "noprep.exe", ""}));
    AddGame("Broken.cfg", ConfigText({l + "Broken"}, "LABELVEXARLNCH"));
    AddGame("Short.cfg", ConfigText({"Short"}));
    AddGame("Eight.cfg", ConfigText({l + "E", l, l, l, l, l, l}));
    AddGame("Untitled.cfg", ConfigText({l, l, l, l, l, l, l, l}));
    if (c.cd) fakes.files.AddFile("IsCD.txt");
    fakes.files.FailOn("Configs\\Locked.cfg", kErrPermissionDenied);
    fakes.shell.refusals["missing.exe"] = fakes.shell.refusals["noprep.exe"] = "No such file.";
    const int status = RunCommandLine(ParseCommandLine("x " + c.command, "VexarLauncher.exe"),
                                      fakes.services(), LauncherPaths{}, "D:\\Configs\\");
    EXPECT_EQ(fakes.shell.calls, c.calls);
    ASSERT_EQ(fakes.boxes.shown.size(), c.box.empty() ? 0u : 1u);
    for (const ShownBox& shown : fakes.boxes.shown)
        EXPECT_EQ((shown.title + "|" + shown.text).substr(0, c.box.size()), c.box);
    EXPECT_EQ(status, c.status);
    EXPECT_EQ(view.caption, kDesignedCaption);
    EXPECT_FALSE(fakes.files.Exists("Title.cfg")) << "the saved title is not touched";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Run, ::testing::Values(
    RunCase{"CD mode: the preparation first", "/run Game.cfg -o", true,
            {kPrep, {"open", "game.exe", "-d -o -c", "C:\\start", platform::ShowCommand{1}}}, "", 0},
    RunCase{"the preview", "/run Game Show Parameters", false, {}, "VexarLaunch|game.exe -d -h\r\n\r\nStart Location: C:\\start", 0},
    RunCase{"a refused request", "/run Refused", false, {{"open", "missing.exe", "", "C:\\start", platform::ShowCommand{1}}},
            "Error !|Windows could not open \"missing.exe\" in the folder \"C:\\start\": No such file.", 1},
    RunCase{"a refused preparation: the game still starts", "/run Prep", true, {{"open", "noprep.exe", "", "C:\\start", platform::ShowCommand{2}},
            {"open", "game.exe", "", "C:\\start", platform::ShowCommand{1}}}, "Error !|Windows could not open \"noprep.exe\"", 1},
    RunCase{"the name in another case", "/run GAME.CFG -o", false, {kGame}, "", 0},
    RunCase{"a name that cannot be looked up", "/run Locked", false, {}, "Error !|70 Permission denied", 1},
    RunCase{"an unknown name", "/run Nope", false, {}, "Error !|There is no game file \"Nope.cfg\" in the folder D:\\Configs\\.", 1},
    RunCase{"no wildcards", "/run *", false, {}, "Error !|There is no game file \"*.cfg\"", 1},
    RunCase{"no wildcard <", "/run G<", false, {}, "Error !|There is no game file \"G<.cfg\"", 1},
    RunCase{"no wildcard >", "/run Gam>", false, {}, "Error !|There is no game file \"Gam>.cfg\"", 1},
    RunCase{"no wildcard \"", "/run Gam\"", false, {}, "Error !|There is no game file \"Gam\".cfg\"", 1},
    RunCase{"an invalid entry", "/run Broken", false, {}, "Error !|Invalid Configuration in (Broken.cfg).", 1},
    RunCase{"a short title line", "/run Short", false, {}, "Error !|5 Invalid procedure call or argument in Private Sub PopulateList", 1},
    RunCase{"a missing line", "/run Eight", false, {}, "Error !|Invalid Procedure error 62.", 1},
    RunCase{"an empty title", "/run Untitled", false, {}, "Error !|The game list does not show Untitled.cfg", 1},
    RunCase{"the usage", "/?", false, {}, "VexarLaunch|Usage: VexarLauncher [/run NAME [OPTIONS]]", 0},
    RunCase{"an unknown switch", "/start Game", false, {}, "VexarLaunch|Usage: VexarLauncher", 2}));
// clang-format on

TEST(RunUsage, NamesTheExitStatusesAsTheDocumentsDo) {
    FakePlatform fakes;
    RunCommandLine(ParseCommandLine("x /?", "VexarLauncher.exe"), fakes.services(), LauncherPaths{}, "");
    EXPECT_NE(fakes.boxes.shown.at(0).text.find(ExitStatusText()), std::string::npos);
    for (const char* document : {"README.md", "packaging/README.txt.in", "examples/VLManual/index.html"}) {
        std::string text = ReadBytes(std::string(VEXAR_SOURCE_DIR) + "/" + document).value_or("");
        std::replace(text.begin(), text.end(), '\n', ' ');  // the sentence may be wrapped at any blank
        EXPECT_NE(text.find(ExitStatusText()), std::string::npos) << document;
    }
}

}  // namespace
}  // namespace vexar::testing
