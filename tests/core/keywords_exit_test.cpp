// The command box's keywords and the saved title, the other buttons, the notes window's logic, every
// handler's own error box, and the CD-mode clean-up when the window is unloaded.
#include <functional>

#include "launcher/launcher_rules.h"
#include "launcher/title_file.h"
#include "launcher_fixture.h"

namespace vexar::testing {
namespace {

using platform::Answer, platform::Icon;
const std::string kDesigned(kDesignedCaption);

struct KeywordCase {
    VEXAR_ROW(KeywordCase)
    std::string label;             // what is typed
    std::vector<ShownBox> boxes;   // the credits box is compared by title and icon only
    std::string caption, command;  // afterwards
    std::string saved, next;       // Title.cfg afterwards; the caption at the next start
};
class Keyword : public LauncherTest, public ::testing::WithParamInterface<KeywordCase> {};

TEST_P(Keyword, OnlyTheExactKeywordsAct) {
    const KeywordCase& c = GetParam();
    Start();
    TypeCommand(c.label);
    for (ShownBox& box : fakes.boxes.shown) box.text = box.title == "Copyright" ? "" : box.text;
    EXPECT_EQ(fakes.boxes.shown, c.boxes);
    EXPECT_EQ(view.caption + "|" + view.command + "|" + fakes.files.Content("Title.cfg"),
              c.caption + "|" + c.command + "|" + c.saved);
    view.caption = kDesigned;
    frmVexarLaunch(fakes.services(), view, LauncherPaths{}).Form_Initialize();
    EXPECT_EQ(view.caption, c.next);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Keyword, ::testing::Values(
    KeywordCase{"Copyright", {{"", "Copyright", Icon::kInformation}}, kDesigned, "Copyright", "", kDesigned},
    KeywordCase{"copyright", {}, kDesigned, "copyright", "", kDesigned},
    KeywordCase{"Copyright ", {}, kDesigned, "Copyright ", "", kDesigned},
    KeywordCase{"SetTitle", {}, kDesigned, "SetTitle", "", kDesigned},
    KeywordCase{" SetTitle A", {}, kDesigned, " SetTitle A", "", kDesigned},
    KeywordCase{"settitle A", {}, kDesigned, "settitle A", "", kDesigned},
    KeywordCase{"SetTitle My Games", {{"Title set to My Games", "Title Set", Icon::kInformation}}, "My Games", "", Record("My Games"), "My Games"},
    KeywordCase{"SetTitle " + k98, {{"Title set to " + k98, "Title Set", Icon::kInformation}}, k98, "", Record(k98), k98},
    KeywordCase{"SetTitle ", {{"Title set to ", "Title Set", Icon::kInformation}}, "", "", Record(""), kDesigned},
    KeywordCase{"SetTitle " + k98 + "x", {{"59 Bad record length in txtCommand_LostFocus", "Error !", Icon::kWarning}},
                kDesigned, "SetTitle " + k98 + "x", "", kDesigned}));
// clang-format on

TEST(TitleRecord, HoldsACountAndTheCharacters) {
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> rows = {  // record 1 as the file holds it -> title or error
        {"", ""}, {std::string(100, '\0'), ""}, {Record("Mine"), "Mine"}, {Record(k98), k98}, {"\x05", "62"},
        {std::string("\x05\0abcd", 6), "62"}, {"c" + std::string(99, '\0'), "59"}, {"\x01\x01" + k98, "59"}};
    // clang-format on
    for (const auto& [bytes, title] : rows) {
        std::string loaded;
        try {
            loaded =
                TitleOfRecord(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
        } catch (const RuntimeError& error) {
            loaded = std::to_string(error.number());
        }
        EXPECT_EQ(loaded, title);
    }
}

TEST_F(LauncherTest, ManualAndNotesWindowOpenedOrExplained) {
    Start();
    for (const std::uint32_t attributes :
         {platform::kAttrHidden, platform::kAttrSystem, platform::kAttrDirectory}) {
        fakes.files.AddFile("VLManual\\index.html", "", attributes);
        form.cmdHelp_Click();
        EXPECT_EQ(view.notes,
                  "Manual is not installed.  The file 'index.html' is missing from the 'VLManual' "
                  "subdirectory\r\n\r\nThe VLManual subdirectory should be located under this "
                  "launcher with the file index.html.");
    }
    fakes.files.AddFile("VLManual\\index.html");
    form.txtShowNotes_DblClick();
    EXPECT_TRUE(notes_view.shown && notes_view.text == view.notes);
    notes.Command1_Click();
    EXPECT_FALSE(notes_view.loaded);
    form.cmdHelp_Click();
    EXPECT_EQ(fakes.shell.calls,
              (std::vector<platform::ShellRequest>{{"open", "VLManual\\index.html", "", ""}}));
    EXPECT_TRUE(fakes.boxes.shown.empty());
}

TEST_F(LauncherTest, EachHandlerReportsItsOwnErrors) {
    AddGame("game.cfg", ConfigText(ConfigValues{"Game", "", "", "game.exe", "", "-h", "", "-c"}));
    fakes.files.FailOn("IsCD.txt", kErrPermissionDenied);
    fakes.files.AddFile("Title.cfg", "c" + std::string(99, '\0'));  // a count beyond the record
    Start(0);  // the marker cannot be read: hard-drive mode
    Choose("Game");
    form.cmdLaunchGame_Click();
    EXPECT_EQ(fakes.shell.calls.at(0).parameters, " -h");
    fakes.files.FailOn("VLManual\\index.html", kErrPermissionDenied);
    view.failure = notes_view.failure = kErrPermissionDenied;
    for (const auto& action : std::vector<std::function<void()>>{
             [&] { form.cmdHelp_Click(); }, [&] { form.cmdMinimize_Click(); }, [&] { form.Command1_Click(); },
             [&] { form.cmdLaunchGame_Click(); }, [&] { form.txtShowNotes_DblClick(); },
             [&] { notes.Open("notes"); }, [&] { notes.Command1_Click(); }}) {
        action();
    }
    std::vector<ShownBox> boxes(8, {"70 Permission denied", "Error !", Icon::kCritical});
    boxes[0].text += " in Form_Load";
    boxes.insert(boxes.begin(), {"59 Bad record length in Private Sub SetTitle", "Error !", Icon::kCritical});
    EXPECT_EQ(fakes.boxes.shown, boxes);
    view.failure = 0;
    form.Command1_Click();
    EXPECT_EQ(view.destroyed, 1) << "a close that failed can be tried again";
}

// What C:\vexardat or C:\gvexardat is: absent, a plain file, or a folder with these attributes.
constexpr std::uint32_t kAbsent = ~0u, kFile = 0, kDir = platform::kAttrDirectory;

struct ExitCase {
    VEXAR_ROW(ExitCase)
    const char* label;
    bool cd;
    std::uint32_t first, second;  // C:\vexardat and C:\gvexardat
    platform::Answer answer;
    int first_fails;  // the error number C:\vexardat's file raises; 76: the folder cannot be listed
    bool asked, first_left, second_left;
    std::vector<ShownBox> reports;  // the boxes after the question
};
class ExitCleanUp : public LauncherTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitCleanUp, AsksInCdModeAndRemovesOnlyWhatIsPresent) {
    const ExitCase& c = GetParam();
    for (const auto& [folder, kind] :
         {std::pair{"C:\\vexardat", c.first}, std::pair{"C:\\gvexardat", c.second}}) {
        if (kind != kAbsent) fakes.files.AddFile(folder, "", kind);
        if (kind != kAbsent && kind != kFile) fakes.files.AddFile(folder + std::string("\\data.ini"), "", 1);
    }
    if (c.first_fails)
        fakes.files.FailOn(c.first_fails == 76 ? "C:\\vexardat" : "C:\\vexardat\\data.ini", c.first_fails);
    fakes.boxes.answers = {c.answer};
    Start(c.cd ? std::optional(kFile) : std::nullopt);
    std::size_t boxes_before_the_window_went = 0;
    view.on_destroy = [&] {
        boxes_before_the_window_went = fakes.boxes.shown.size();
        view.list = "typed";
        form.ControlFocused(LauncherControl::kCommand);  // no handler runs while the window goes
    };
    form.Command1_Click();
    form.Command1_Click();  // a second close while the first is under way does nothing
    std::vector<ShownBox> boxes(c.asked,
                                {"Configuration files were placed on your local hard drive during runtime.  "
                                 "Would you like to delete these files now?",
                                 "Remove Files?", Icon::kQuestion, platform::Buttons::kYesNo});
    boxes.insert(boxes.end(), c.reports.begin(), c.reports.end());
    EXPECT_EQ(fakes.boxes.shown, boxes);
    EXPECT_EQ(fakes.files.Exists("C:\\vexardat"), c.first_left);
    EXPECT_EQ(fakes.files.Exists("C:\\gvexardat"), c.second_left);
    EXPECT_EQ(view.destroyed, 1);
    EXPECT_EQ(boxes_before_the_window_went, boxes.size()) << "the window goes after the clean-up";
    EXPECT_NE(view.notes, "Please choose only items from the list.");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, ExitCleanUp, ::testing::Values(
    ExitCase{"hard drive never asks", false, kDir, kDir, Answer::kYes, 0, false, true, true, {}},
    ExitCase{"nothing present", true, kAbsent, kAbsent, Answer::kYes, 0, false, false, false, {}},
    ExitCase{"only the second present", true, kAbsent, kDir, Answer::kYes, 0, true, false, false, {}},
    ExitCase{"No removes nothing", true, kDir, kDir, Answer::kNo, 0, true, true, true, {}},
    ExitCase{"Yes removes both", true, kDir, kDir, Answer::kYes, 0, true, false, false, {}},
    ExitCase{"a hidden folder is absent", true, kDir | platform::kAttrHidden, kAbsent, Answer::kYes, 0, false, true, false, {}},
    ExitCase{"a plain file counts", true, kFile, kDir, Answer::kYes, 0, true, true, false, {{"Invalid DirectoryC:\\vexardat", "VexarLaunch"}}},
    ExitCase{"a hidden folder is never removed", true, kDir, kDir | platform::kAttrHidden, Answer::kYes, 0, true, false, true, {}},
    ExitCase{"the second goes after the first fails", true, kDir, kDir, Answer::kYes, 70, true, true, false,
             {{"An Error was occured", "VexarLaunch"}}},
    ExitCase{"drive C cannot be read", true, kDir, kDir, Answer::kYes, 76, false, true, true,
             {{"76 Path not found in Form_Unload", "Error !", Icon::kCritical}}}));
// clang-format on

}  // namespace
}  // namespace vexar::testing
