// The command box's keywords, the manual button, and the CD-mode clean-up when the window is unloaded.
#include "launcher_fixture.h"

namespace vexar::testing {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

struct KeywordCase {
    friend void PrintTo(const KeywordCase& row, std::ostream* out) { *out << row.typed; }
    std::string typed;
    std::vector<ShownBox> boxes;  // the credits box is compared by title and icon only
};

class Keyword : public LauncherTest, public ::testing::WithParamInterface<KeywordCase> {};

// Title.cfg itself is tested on real files; the double cannot save it, as on a read-only medium.
TEST_P(Keyword, OnlyTheExactKeywordsAct) {
    Start();
    TypeCommand(GetParam().typed);
    if (!fakes.boxes.shown.empty() && fakes.boxes.shown[0].title == "Copyright") fakes.boxes.shown[0].text.clear();
    EXPECT_EQ(fakes.boxes.shown, GetParam().boxes);
    EXPECT_EQ(view.command, GetParam().typed);
    EXPECT_EQ(view.caption, "Vexar Launcher v3.0");
}

ShownBox Warning(const std::string& text) { return {text, "Error !", Icon::kWarning, Buttons::kOk}; }
INSTANTIATE_TEST_SUITE_P(
    Cases, Keyword,
    ::testing::Values(KeywordCase{"Copyright", {{"", "Copyright", Icon::kInformation, Buttons::kOk}}},
                      KeywordCase{"copyright", {}}, KeywordCase{"Copyright ", {}}, KeywordCase{"SetTitle", {}},
                      KeywordCase{"settitle My Games", {}}, KeywordCase{" SetTitle My Games", {}},
                      KeywordCase{"SetTitle " + std::string(99, 'x'),
                                  {Warning("59 Bad record length in txtCommand_LostFocus")}},
                      KeywordCase{"SetTitle My Games", {Warning("53 File not found in txtCommand_LostFocus")}}));

TEST_F(LauncherTest, ManualOpenedOrExplained) {
    const std::string missing =
        "Manual is not installed.  The file 'index.html' is missing from the 'VLManual' subdirectory\r\n\r\n"
        "The VLManual subdirectory should be located under this launcher with the file index.html.";
    fakes.files.AddFolder("VLManual");
    Start();
    for (const std::uint32_t attributes : {platform::kAttrHidden, platform::kAttrSystem, platform::kAttrDirectory}) {
        fakes.files.AddFile("VLManual\\index.html", "", attributes);
        view.notes.clear();
        form.cmdHelp_Click();
        EXPECT_EQ(view.notes, missing) << attributes;
    }
    fakes.files.AddFile("VLManual\\index.html", "");
    view.notes = "notes";
    form.cmdHelp_Click();
    EXPECT_EQ(view.notes, "notes");
    EXPECT_EQ(fakes.shell.calls, (std::vector<platform::ShellRequest>{
                                     {0, "open", "VLManual\\index.html", "", "", platform::ShowCommand::kNormal}}));
}

// What C:\vexardat or C:\gvexardat is: absent, a plain file, or a folder with these attributes.
constexpr std::uint32_t kAbsent = ~0u, kFile = 0, kPlain = platform::kAttrDirectory;

struct ExitCase {
    friend void PrintTo(const ExitCase& row, std::ostream* out) { *out << row.label; }
    const char* label;
    bool cd;
    std::uint32_t vexardat, gvexardat;
    Answer answer;
    bool first_fails;  // a file in C:\vexardat cannot be deleted
    bool asked;
    bool vexardat_left, gvexardat_left;
    std::vector<std::string> reports;  // the texts of the boxes after the question
};

class ExitCleanUp : public LauncherTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitCleanUp, AsksInCdModeAndRemovesOnlyWhatIsPresent) {
    const ExitCase& c = GetParam();
    SCOPED_TRACE(c.label);
    for (const auto& [path, kind] : {std::pair{"C:\\vexardat", c.vexardat}, std::pair{"C:\\gvexardat", c.gvexardat}}) {
        if (kind == kFile) fakes.files.AddFile(path);
        if (kind == kAbsent || kind == kFile) continue;
        fakes.files.AddFolder(path, kind);
        fakes.files.AddFile(std::string(path) + "\\data.ini");
    }
    if (c.first_fails) fakes.files.FailOn("C:\\vexardat\\data.ini", kErrPermissionDenied);
    fakes.boxes.answers = {c.answer};
    Start(c.cd ? std::optional<std::uint32_t>(kFile) : std::nullopt);
    bool cancel = false;
    form.Form_Unload(cancel);

    std::vector<ShownBox> boxes;
    if (c.asked) {
        boxes.push_back({"Configuration files were placed on your local hard drive during runtime.  Would you like to "
                         "delete these files now?",
                         "Remove Files?", Icon::kQuestion, Buttons::kYesNo});
    }
    for (const std::string& report : c.reports) boxes.push_back({report, "VexarLaunch"});
    EXPECT_EQ(fakes.boxes.shown, boxes);
    EXPECT_EQ(fakes.files.Exists("C:\\vexardat"), c.vexardat_left);
    EXPECT_EQ(fakes.files.Exists("C:\\gvexardat"), c.gvexardat_left);
    EXPECT_FALSE(cancel);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitCleanUp,
    ::testing::Values(
        ExitCase{"hard drive never asks", false, kPlain, kPlain, Answer::kYes, false, false, true, true, {}},
        ExitCase{"nothing present", true, kAbsent, kAbsent, Answer::kYes, false, false, false, false, {}},
        ExitCase{"only the second present", true, kAbsent, kPlain, Answer::kYes, false, true, false, false, {}},
        ExitCase{"No removes nothing", true, kPlain, kPlain, Answer::kNo, false, true, true, true, {}},
        ExitCase{"Yes removes both", true, kPlain, kPlain, Answer::kYes, false, true, false, false, {}},
        ExitCase{"a hidden folder is absent", true, kPlain | platform::kAttrHidden, kAbsent, Answer::kYes, false,
                 false, true, false, {}},
        ExitCase{"a system folder is absent", true, kPlain | platform::kAttrSystem, kPlain, Answer::kYes, false,
                 true, true, false, {}},
        ExitCase{"a plain file counts", true, kFile, kPlain, Answer::kYes, false, true, true, false,
                 {"Invalid DirectoryC:\\vexardat"}},
        ExitCase{"the second still goes after the first fails", true, kPlain, kPlain, Answer::kYes, true, true, true,
                 false, {"An Error was occured"}}),
    VEXAR_ROW_NAMES);

}  // namespace
}  // namespace vexar::testing
