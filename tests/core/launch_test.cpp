// The launch button: the parameter rule in both modes, the CD preparation, the preview, and when
// nothing happens.
#include "launcher_fixture.h"

namespace vexar::testing {
namespace {

using platform::ShellRequest;
using platform::ShowCommand;
using Calls = std::vector<ShellRequest>;

ShellRequest GameCall(const std::string& parameters) {
    return {0, "open", "game.exe", parameters, "C:\\start", ShowCommand::kNormal};
}
const ShellRequest kPreparation{0, "open", "prep.exe", "", "C:\\start", ShowCommand::kMinimized};

constexpr std::optional<std::uint32_t> kHardDrive = std::nullopt, kCd = 0u;

struct LaunchCase {
    friend void PrintTo(const LaunchCase& row, std::ostream* out) { *out << row.label; }
    const char* label;
    std::optional<std::uint32_t> marker;  // the CD marker's attributes
    ConfigValues game;  // title "Game", start C:\start, launch file game.exe
    std::string typed;
    Calls calls;
    std::string notes;  // the notes box afterwards
};

class Launch : public LauncherTest, public ::testing::WithParamInterface<LaunchCase> {};

TEST_P(Launch, FollowsTheParameterRule) {
    const LaunchCase& c = GetParam();
    SCOPED_TRACE(c.label);
    ConfigValues game = c.game;
    game.title = "Game";
    game.notes = "notes";
    game.start_location = "C:\\start";
    game.launch_file = "game.exe";
    AddGame("game.cfg", ConfigText(game));
    Start(c.marker);
    Choose("Game");
    TypeCommand(c.typed);
    form.cmdLaunchGame_Click();
    EXPECT_EQ(fakes.shell.calls, c.calls);
    EXPECT_EQ(view.notes, c.notes);
    EXPECT_EQ(view.command, c.typed);
    EXPECT_TRUE(fakes.boxes.shown.empty());
}

const ConfigValues kAll{"", "", "", "", "-d", "-h", "prep.exe", "-c"};
const std::string kPreview = "game.exe -d -h\r\n\r\nStart Location: C:\\start";
INSTANTIATE_TEST_SUITE_P(
    Cases, Launch,
    ::testing::Values(
        LaunchCase{"hard drive: default, typed, hard-drive", kHardDrive, kAll, "-o", {GameCall("-d -o -h")}, "notes"},
        LaunchCase{"typed blanks kept", kHardDrive, kAll, " -o  ", {GameCall("-d  -o   -h")}, "notes"},
        LaunchCase{"nothing typed", kHardDrive, kAll, "", {GameCall("-d -h")}, "notes"},
        LaunchCase{"only defaults", kHardDrive, {"", "", "", "", "-d", "", "", ""}, "", {GameCall("-d")}, "notes"},
        LaunchCase{"no defaults", kHardDrive, {"", "", "", "", "", "-h", "", ""}, "-o", {GameCall(" -o -h")}, "notes"},
        LaunchCase{"nothing at all", kHardDrive, {}, "", {GameCall("")}, "notes"},
        LaunchCase{"CD: preparation first, CD parameters", kCd, kAll, "-o", {kPreparation, GameCall("-d -o -c")},
                   "notes"},
        LaunchCase{"CD without preparation or CD parameters", kCd, {"", "", "", "", "-d", "-h", "", ""}, "",
                   {GameCall("-d")}, "notes"},
        LaunchCase{"keyword in lower case", kHardDrive, kAll, "show parameters", {GameCall("-d show parameters -h")},
                   "notes"},
        LaunchCase{"keyword with a blank", kHardDrive, kAll, "Show Parameters ", {GameCall("-d Show Parameters  -h")},
                   "notes"},
        LaunchCase{"preview", kHardDrive, kAll, "Show Parameters", {}, kPreview},
        LaunchCase{"preview on CD opens the preparation", kCd, kAll, "Show Parameters", {kPreparation},
                   "game.exe -d -c\r\n\r\nStart Location: C:\\start"},
        LaunchCase{"preview of empty parameters", kHardDrive, {}, "Show Parameters", {},
                   "game.exe \r\n\r\nStart Location: C:\\start"},
        LaunchCase{"a hidden marker is no CD", platform::kAttrHidden, kAll, "", {GameCall("-d -h")}, "notes"},
        LaunchCase{"a system marker is no CD", platform::kAttrSystem, kAll, "", {GameCall("-d -h")}, "notes"},
        LaunchCase{"a marker folder is no CD", platform::kAttrDirectory, kAll, "", {GameCall("-d -h")}, "notes"}),
    VEXAR_ROW_NAMES);

TEST_F(LauncherTest, NothingHappensWithoutAValidEntry) {
    AddGame("x.cfg", ConfigText({"Title:         X"}, "wrong"));
    Start();
    for (const std::string list : {"", "Invalid Config (x.cfg)", "Invalid Config"}) {
        view.list = list;
        form.cmdLaunchGame_Click();
    }
    EXPECT_TRUE(fakes.shell.calls.empty());
    EXPECT_TRUE(fakes.boxes.shown.empty());
}

}  // namespace
}  // namespace vexar::testing
