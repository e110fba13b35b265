// The game list at start-up, and choosing from it: which file a choice reads and what a broken one says.
#include "launcher_fixture.h"

namespace vexar::testing {
namespace {

using platform::Buttons;
using platform::Icon;

std::string Game(const std::string& title, const std::string& notes = "notes") {
    return ConfigText(ConfigValues{title, notes, "C:\\games", "game.exe", "-d", "-h", "", ""});
}

struct File {
    std::string name;
    std::string text;
    std::uint32_t attributes = 0;
    int failure = 0;  // the error number every access raises
};

struct FillCase {
    friend void PrintTo(const FillCase& row, std::ostream* out) { *out << row.label; }
    const char* label;
    std::vector<File> files;
    std::vector<std::string> entries;
    std::vector<ShownBox> boxes;
};

ShownBox ErrorBox(const std::string& text) { return {text, "Error !", Icon::kCritical, Buttons::kOk}; }

class ListFill : public LauncherTest, public ::testing::WithParamInterface<FillCase> {};

TEST_P(ListFill, ShowsTitlesAndInvalidEntriesInSortedOrder) {
    SCOPED_TRACE(GetParam().label);
    for (const File& file : GetParam().files) {
        if (file.attributes & platform::kAttrDirectory) {
            fakes.files.AddFolder("Configs\\" + file.name, file.attributes);
        } else {
            fakes.files.AddFile("Configs\\" + file.name, file.text, file.attributes);
        }
        if (file.failure != 0) fakes.files.FailOn("Configs\\" + file.name, file.failure);
    }
    Start();
    EXPECT_EQ(view.entries, GetParam().entries);
    EXPECT_EQ(fakes.boxes.shown, GetParam().boxes);
    EXPECT_EQ(view.notes, "");
}

const std::string kShortTitle = ConfigText({"Title: Short"});
INSTANTIATE_TEST_SUITE_P(
    Cases, ListFill,
    ::testing::Values(
        FillCase{"sorted by character codes; broken files listed as invalid; an empty title not listed",
                 {{"alpha2.cfg", ""},
                  {"alpha.cfg", ConfigText({"Title:         Alpha"}, "LABELVEXARLNCx]")},
                  {"Zulu.cfg", Game("Zulu")},
                  {"b.cfg", ConfigText({})},
                  {"c.cfg", ConfigText({"Title:         "})},
                  {".cfg", Game("Dot")},
                  {"GAME.CFG", Game("Upper")},
                  {"game.cfg.bak", Game("Backup")},
                  {"hidden.cfg", Game("Hidden"), platform::kAttrHidden},
                  {"system.cfg", Game("System"), platform::kAttrSystem},
                  {"folder.cfg", "", platform::kAttrDirectory}},
                 {"Dot", "Zulu", "Invalid Config (alpha.cfg)", "Invalid Config (alpha2.cfg)",
                  "Invalid Config (b.cfg)"},
                 {}},
        FillCase{"a short title stops the fill",
                 {{"a.cfg", Game("A")}, {"b.cfg", kShortTitle}, {"c.cfg", Game("C")}},
                 {"A"},
                 {ErrorBox("5 Invalid procedure call or argument in Private Sub PopulateList")}},
        FillCase{"a file that cannot be read stops the fill",
                 {{"a.cfg", Game("A")}, {"b.cfg", Game("B"), 0, kErrPermissionDenied}, {"c.cfg", Game("C")}},
                 {"A"},
                 {ErrorBox("70 Permission denied in Private Sub PopulateList")}},
        FillCase{"a name that cannot be opened is an invalid entry",
                 {{"a.cfg", Game("A"), 0, kErrBadFileName}, {"b.cfg", Game("B")}},
                 {"Invalid Config (a.cfg)", "B"},
                 {}}),
    VEXAR_ROW_NAMES);

TEST_F(LauncherTest, AListingThatFailsIsReportedAndListsNothing) {
    AddGame("a.cfg", Game("A"));
    fakes.files.FailOn("Configs\\", kErrPermissionDenied);
    Start();
    EXPECT_TRUE(view.entries.empty());
    EXPECT_EQ(fakes.boxes.shown, (std::vector<ShownBox>{{"70 Permission denied in SortedFiles", "VexarLaunch"}}));
}

TEST_F(LauncherTest, ChosenEntryReadsTheFileItWasListedFrom) {
    AddGame("a.cfg", Game("A", "notes of a"));
    AddGame("b.cfg", ConfigText({"Title:         "}));  // not listed
    AddGame("c.cfg", Game("C", "notes of c"));
    Start();
    ASSERT_EQ(view.entries, (std::vector<std::string>{"A", "C"}));
    Choose("C");
    EXPECT_EQ(view.notes, "notes of c");

    // Leaving the list reads the file again: the launch uses what it holds now.
    AddGame("c.cfg", ConfigText(ConfigValues{"C", "edited", "D:\\new", "new.exe", "-n", "", "", ""}));
    TypeCommand("");
    form.cmdLaunchGame_Click();
    EXPECT_EQ(view.notes, "edited");
    EXPECT_EQ(fakes.shell.calls,
              (std::vector<platform::ShellRequest>{{0, "open", "new.exe", "-n", "D:\\new", platform::ShowCommand::kNormal}}));
}

enum class Act { kChoose, kChooseAfterDeletion, kTypeAndLeave };

struct BrokenCase {
    friend void PrintTo(const BrokenCase& row, std::ostream* out) { *out << row.label; }
    const char* label;
    std::string text;  // y.cfg, listed as "Broken"
    Act act;
    std::string list;  // the entry chosen, or the text typed
    std::string notes;       // the notes box afterwards
    std::string list_after;  // the list text afterwards
    std::vector<ShownBox> boxes;
};

class BrokenConfiguration : public LauncherTest, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenConfiguration, ExplainsItself) {
    const BrokenCase& c = GetParam();
    SCOPED_TRACE(c.label);
    AddGame("x.cfg", ConfigText({"Title:         Broken"}, "LABELVEXARLNCx]"));
    AddGame("y.cfg", c.text);
    Start();
    if (c.act == Act::kTypeAndLeave) Choose("Invalid Config (x.cfg)");
    view.notes = "earlier notes";
    if (c.act == Act::kTypeAndLeave) {
        form.ListTextEdited();
        view.list = c.list;
        form.ControlFocused(LauncherControl::kCommand);
    } else {
        if (c.act == Act::kChooseAfterDeletion) fakes.files.FailOn("Configs\\y.cfg", kErrFileNotFound);
        Choose(c.list);
    }
    EXPECT_EQ(view.notes, c.notes);
    EXPECT_EQ(view.list, c.list_after);
    EXPECT_EQ(fakes.boxes.shown, c.boxes);
    EXPECT_TRUE(fakes.shell.calls.empty());
}

const std::string kBroken = Game("Broken");
const std::string kValue = "Label:         ";
const std::string kEightLines = ConfigText({kValue + "Broken", kValue, kValue, kValue, kValue, kValue, kValue});
INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenConfiguration,
    ::testing::Values(
        BrokenCase{"an invalid entry", kBroken, Act::kChoose, "Invalid Config (x.cfg)",
                   "Invalid Configuration in (x.cfg).  Please check the configuration file and make sure it is a valid "
                   "launcher configuration.  If it is, repair it. If it is not, please remove it from the 'Configs' "
                   "directory if it does not belong there.",
                   "Invalid Config (x.cfg)", {}},
        BrokenCase{"eight lines", kEightLines, Act::kChoose,
                   "Broken", "earlier notes", "Broken",
                   {ErrorBox("Invalid Procedure error 62.  This may mean your config file is missing a line.  You need "
                             "at least the 9 line labels in the configuration file or you'll get this error.  Check "
                             "the config file named  'y.cfg '")}},
        BrokenCase{"a short line", ConfigText({"T:             Broken", "N:             n", "short"}), Act::kChoose,
                   "Broken", "earlier notes", "Broken",
                   {ErrorBox("Invalid Procedure error 5.  This may mean your config file is missing a line.  You at "
                             "least need the 15 space label or the program will error.  Check the config file named  "
                             "'y.cfg '")}},
        BrokenCase{"a file gone since start-up", kBroken, Act::kChooseAfterDeletion, "Broken", "earlier notes",
                   "Broken", {ErrorBox("53 File not found in txtLauncher_Click")}},
        BrokenCase{"typed text that is no entry", kBroken, Act::kTypeAndLeave, "Broken ",
                   "Please choose only items from the list.", "", {}},
        BrokenCase{"an entry's text typed", kBroken, Act::kTypeAndLeave, "Broken",
                   "Please choose only items from the list.", "", {}},
        BrokenCase{"a cleared list", kBroken, Act::kTypeAndLeave, "", "", "", {}}),
    VEXAR_ROW_NAMES);

}  // namespace
}  // namespace vexar::testing
