// The game list at start-up, and choosing from it: which file a choice reads and what a broken one says.
#include "launcher_fixture.h"

namespace vexar::testing {
namespace {

using Boxes = std::vector<ShownBox>;

std::string Game(const std::string& title, const std::string& notes = "notes") {
    return ConfigText(ConfigValues{title, notes, "C:\\games", "game.exe", "", "", "", ""});
}
const std::string kLabel = "Label:         ";  // 15 characters
ShownBox Error(const std::string& text) {
    return {text, "Error !", platform::Icon::kCritical};
}

struct File {
    std::string name, text;
    std::uint32_t attributes = 0;
    int failure = 0;  // the error number opening it raises
};
struct FillCase {
    VEXAR_ROW(FillCase)
    const char* label;
    std::vector<File> files;
    std::vector<std::string> entries;
    Boxes boxes;
    bool hint = false;  // the notes box tells where the games go
};
class ListFill : public LauncherTest, public ::testing::WithParamInterface<FillCase> {};

TEST_P(ListFill, ShowsTitlesAndInvalidEntriesInSortedOrder) {
    for (const File& file : GetParam().files) {  // a file without a name stands for the folder
        if (!file.name.empty()) fakes.files.AddFile("Configs\\" + file.name, file.text, file.attributes);
        if (file.failure) fakes.files.FailOn("Configs\\" + file.name, file.failure);
    }
    Start();
    EXPECT_EQ(view.entries, GetParam().entries);
    EXPECT_EQ(fakes.boxes.shown, GetParam().boxes);
    EXPECT_EQ(view.notes, GetParam().hint
                              ? "No games found. Put one .cfg file per game into the folder Configs beside "
                                "this launcher, then start it again. The ? button opens the manual, which "
                                "explains what a .cfg file holds."
                              : "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, ListFill, ::testing::Values(
    FillCase{"sorted by codes, broken files invalid, an empty title unlisted",
             {{"alpha2.cfg", ""}, {"alpha.cfg", Game("A").replace(14, 1, "x")}, {"Zulu.cfg", Game("Zulu")},
              {"b.cfg", ConfigText({})}, {"c.cfg", ConfigText({kLabel})}, {".cfg", Game("Dot")}, {"GAME.CFG", Game("U")},
              {"a.cfg.bak", Game("B")}, {"h.cfg", Game("H"), platform::kAttrHidden}, {"s.cfg", Game("S"), platform::kAttrSystem},
              {"d.cfg", "", platform::kAttrDirectory}, {"l.cfg", ConfigText({kLabel + "L"}, "labelvexarlnch]")},
              {"m.cfg", ConfigText({kLabel + "M"}, "LABELVEXARLNCH] v2")}, {"u16.cfg", std::string("\xFF\xFEL\0", 4)}},
             {"Dot", "Zulu", "Invalid Config (alpha.cfg)", "Invalid Config (alpha2.cfg)", "Invalid Config (b.cfg)",
              "Invalid Config (l.cfg)", "M", "Invalid Config (u16.cfg)"}, {}},
    FillCase{"a short title stops the fill", {{"a.cfg", Game("A")}, {"b.cfg", ConfigText({"Title: B"})}, {"c.cfg", Game("C")}},
             {"A"}, {Error("5 Invalid procedure call or argument in Private Sub PopulateList")}},
    FillCase{"an unreadable file stops the fill", {{"a.cfg", Game("A")}, {"b.cfg", Game("B"), 0, 70}, {"c.cfg", Game("C")}},
             {"A"}, {Error("70 Permission denied in Private Sub PopulateList")}},
    FillCase{"a name that cannot be opened is invalid", {{"a.cfg", Game("A"), 0, 52}, {"b.cfg", Game("B")}},
             {"Invalid Config (a.cfg)", "B"}, {}},
    FillCase{"a listing that fails lists nothing", {{"a.cfg", Game("A")}, {"", "", 0, 70}},
             {}, {{"70 Permission denied in SortedFiles", "VexarLaunch"}}, true},
    FillCase{"no configuration file", {{"GAME.CFG", Game("A")}, {"a.cfg.txt", Game("B")}}, {}, {}, true},
    FillCase{"only empty titles", {{"a.cfg", ConfigText({kLabel})}}, {}, {}, false}));
// clang-format on

TEST_F(LauncherTest, ChosenEntryReadsTheFileItWasListedFrom) {
    AddGame("a.cfg", Game("A", "notes of a"));
    AddGame("b.cfg", ConfigText({kLabel}));  // not listed
    AddGame("c.cfg", Game("C", "notes of c"));
    // A title a control cannot show byte for byte is chosen by its place in the list.
    AddGame("d.cfg", Game(std::string("Nul\0led", 7), "notes of d"));
    Start();
    ASSERT_EQ(view.entries, (std::vector<std::string>{"A", "C", std::string("Nul\0led", 7)}));
    Choose(view.entries[2]);
    EXPECT_EQ(view.notes, "notes of d");
    Choose("C");
    EXPECT_EQ(view.notes, "notes of c");
    // Leaving the list reads the file again: the launch uses what it holds now.
    AddGame("c.cfg", ConfigText(ConfigValues{"C", "edited", "D:\\new", "new.exe", "-n", "", "", ""}));
    TypeCommand("");
    form.cmdLaunchGame_Click();
    EXPECT_EQ(view.notes, "edited");
    EXPECT_EQ(fakes.shell.calls, (std::vector<platform::ShellRequest>{{"open", "new.exe", "-n", "D:\\new"}}));
}

enum class Act { kChoose, kChooseDeleted, kTypeAndLeave, kChooseEditAndLeave };
struct BrokenCase {
    VEXAR_ROW(BrokenCase)
    const char* label;
    std::string text;  // y.cfg, listed as "Broken"
    Act act;
    std::string list, notes, list_after;  // the entry chosen or text typed; the notes and list afterwards
    Boxes boxes;
};
class BrokenConfiguration : public LauncherTest, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenConfiguration, ExplainsItself) {
    const BrokenCase& c = GetParam();
    AddGame("x.cfg", Game("Broken").replace(14, 1, "x"));
    AddGame("y.cfg", c.text);
    Start();
    Choose("Invalid Config (x.cfg)");
    view.notes = "earlier notes";
    if (c.act == Act::kChooseDeleted) fakes.files.FailOn("Configs\\y.cfg", kErrFileNotFound);
    if (c.act == Act::kChooseEditAndLeave) Choose("Broken");
    const bool leave = c.act == Act::kTypeAndLeave || c.act == Act::kChooseEditAndLeave;
    if (leave) {
        form.ListTextEdited();
        view.list = c.list;
        form.ControlFocused(LauncherControl::kCommand);
    } else {
        Choose(c.list);
    }
    // The focus coming back to the control that had it (after a box) is no loss of focus: nothing runs.
    form.ControlFocused(leave ? LauncherControl::kCommand : LauncherControl::kGameList);
    EXPECT_EQ(view.notes, c.notes);
    EXPECT_EQ(view.list, c.list_after);
    EXPECT_EQ(fakes.boxes.shown, c.boxes);
}

const std::string kY = Game("Broken");
const std::string kMissingLineBox =
    "Invalid Procedure error 62.  This may mean your config file is missing a line.  You need at least the 9 "
    "line labels in the configuration file or you'll get this error.  Check the config file named  'y.cfg '";
const std::string kShortLineBox =
    "Invalid Procedure error 5.  This may mean your config file is missing a line.  You at least need the 15 "
    "space label or the program will error.  Check the config file named  'y.cfg '";
// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, BrokenConfiguration, ::testing::Values(
    BrokenCase{"an invalid entry", kY, Act::kChoose, "Invalid Config (x.cfg)",
               "Invalid Configuration in (x.cfg).  Please check the configuration file and make sure it is a valid launcher "
               "configuration.  If it is, repair it. If it is not, please remove it from the 'Configs' directory if it does "
               "not belong there.", "Invalid Config (x.cfg)", {}},
    BrokenCase{"eight lines", ConfigText({kLabel + "Broken", kLabel, kLabel, kLabel, kLabel, kLabel, kLabel}), Act::kChoose,
               "Broken", "earlier notes", "Broken", {Error(kMissingLineBox)}},
    BrokenCase{"a short line", ConfigText({kLabel + "Broken", kLabel, "short"}), Act::kChoose, "Broken", "earlier notes",
               "Broken", {Error(kShortLineBox)}},
    BrokenCase{"a file gone since start-up", kY, Act::kChooseDeleted, "Broken", "earlier notes", "Broken",
               {Error("53 File not found in txtLauncher_Click")}},
    BrokenCase{"an entry the list does not hold", kY, Act::kChoose, "Nope", "Please choose only items from the list.", "", {}},
    BrokenCase{"typed text", kY, Act::kTypeAndLeave, "Broken ", "Please choose only items from the list.", "", {}},
    BrokenCase{"an entry's text typed", kY, Act::kTypeAndLeave, "Broken", "Please choose only items from the list.", "", {}},
    BrokenCase{"a choice edited back to its text", kY, Act::kChooseEditAndLeave, "Broken",
               "Please choose only items from the list.", "", {}},
    BrokenCase{"a cleared list", kY, Act::kTypeAndLeave, "", "", "", {}}));
// clang-format on

}  // namespace
}  // namespace vexar::testing
