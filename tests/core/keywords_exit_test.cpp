// The command box's keywords, the manual button, and the CD-mode clean-up when the window is unloaded.
#include "launcher_fixture.h"

namespace vexar::testing {
namespace {

using platform::Icon;

// Title.cfg itself is tested on real files: the double cannot save it, as on a read-only medium.
TEST_F(LauncherTest, OnlyTheExactKeywordsAct) {
    const ShownBox credits{"", "Copyright", Icon::kInformation};
    const auto warning = [](const std::string& text) { return ShownBox{text, "Error !", Icon::kWarning}; };
    const std::vector<std::pair<std::string, std::vector<ShownBox>>> rows = {
        {"Copyright", {credits}},
        {"copyright", {}},
        {"Copyright ", {}},
        {"SetTitle", {}},
        {"settitle A", {}},
        {" SetTitle A", {}},
        {"SetTitle " + std::string(99, 'x'), {warning("59 Bad record length in txtCommand_LostFocus")}},
        {"SetTitle A", {warning("53 File not found in txtCommand_LostFocus")}}};
    Start();
    for (const auto& [typed, boxes] : rows) {
        fakes.boxes.shown.clear();
        TypeCommand(typed);
        for (ShownBox& box : fakes.boxes.shown) box.text = box.title == "Copyright" ? "" : box.text;
        EXPECT_EQ(fakes.boxes.shown, boxes) << typed;
        EXPECT_EQ(view.command, typed);
        EXPECT_EQ(view.caption, "Vexar Launcher v3.0");
    }
}

TEST_F(LauncherTest, ManualOpenedOrExplained) {
    Start();
    for (const std::uint32_t attributes :
         {platform::kAttrHidden, platform::kAttrSystem, platform::kAttrDirectory}) {
        fakes.files.AddFile("VLManual\\index.html", "", attributes);
        form.cmdHelp_Click();
        EXPECT_EQ(
            view.notes,
            "Manual is not installed.  The file 'index.html' is missing from the 'VLManual' "
            "subdirectory\r\n\r\n"
            "The VLManual subdirectory should be located under this launcher with the file index.html.");
    }
    fakes.files.AddFile("VLManual\\index.html");
    view.notes = "notes";
    form.cmdHelp_Click();
    EXPECT_EQ(view.notes, "notes");
    EXPECT_EQ(fakes.shell.calls,
              (std::vector<platform::ShellRequest>{{0, "open", "VLManual\\index.html", "", ""}}));
}

// What C:\vexardat or C:\gvexardat is: absent, a plain file, or a folder with these attributes.
constexpr std::uint32_t kAbsent = ~0u, kFile = 0, kDir = platform::kAttrDirectory;

struct ExitCase {
    VEXAR_ROW(ExitCase)
    const char* label;
    bool cd;
    std::uint32_t first, second;  // C:\vexardat and C:\gvexardat
    platform::Answer answer;
    bool first_fails;  // a file in C:\vexardat cannot be deleted
    bool asked, first_left, second_left;
    std::vector<std::string> reports;  // the boxes after the question
};
class ExitCleanUp : public LauncherTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitCleanUp, AsksInCdModeAndRemovesOnlyWhatIsPresent) {
    const ExitCase& c = GetParam();
    for (const auto& [folder, kind] :
         {std::pair{"C:\\vexardat", c.first}, std::pair{"C:\\gvexardat", c.second}}) {
        if (kind != kAbsent) fakes.files.AddFile(folder, "", kind);
        if (kind != kAbsent && kind != kFile) fakes.files.AddFile(folder + std::string("\\data.ini"));
    }
    if (c.first_fails) fakes.files.FailOn("C:\\vexardat\\data.ini", kErrPermissionDenied);
    fakes.boxes.answers = {c.answer};
    Start(c.cd ? std::optional(kFile) : std::nullopt);
    bool cancel = false;
    form.Form_Unload(cancel);

    std::vector<ShownBox> boxes;
    if (c.asked) {
        boxes.push_back(
            {"Configuration files were placed on your local hard drive during runtime.  Would you like to "
             "delete these files now?",
             "Remove Files?", Icon::kQuestion, platform::Buttons::kYesNo});
    }
    for (const std::string& report : c.reports) boxes.push_back({report, "VexarLaunch"});
    EXPECT_EQ(fakes.boxes.shown, boxes);
    EXPECT_EQ(fakes.files.Exists("C:\\vexardat"), c.first_left);
    EXPECT_EQ(fakes.files.Exists("C:\\gvexardat"), c.second_left);
    EXPECT_FALSE(cancel);
}

using platform::Answer;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, ExitCleanUp, ::testing::Values(
    ExitCase{"hard drive never asks", false, kDir, kDir, Answer::kYes, false, false, true, true, {}},
    ExitCase{"nothing present", true, kAbsent, kAbsent, Answer::kYes, false, false, false, false, {}},
    ExitCase{"only the second present", true, kAbsent, kDir, Answer::kYes, false, true, false, false, {}},
    ExitCase{"No removes nothing", true, kDir, kDir, Answer::kNo, false, true, true, true, {}},
    ExitCase{"Yes removes both", true, kDir, kDir, Answer::kYes, false, true, false, false, {}},
    ExitCase{"a hidden folder is absent", true, kDir | platform::kAttrHidden, kAbsent, Answer::kYes, false, false, true, false, {}},
    ExitCase{"a system folder is absent", true, kDir | platform::kAttrSystem, kDir, Answer::kYes, false, true, true, false, {}},
    ExitCase{"a plain file counts", true, kFile, kDir, Answer::kYes, false, true, true, false, {"Invalid DirectoryC:\\vexardat"}},
    ExitCase{"the second goes after the first fails", true, kDir, kDir, Answer::kYes, true, true, true, false,
             {"An Error was occured"}}));
// clang-format on

}  // namespace
}  // namespace vexar::testing
