// The launch button: the parameter rule in both modes, the CD preparation, the preview, and when
// nothing happens.
#include "launcher_fixture.h"

namespace vexar::testing {
namespace {

using Calls = std::vector<platform::ShellRequest>;

// The shell's show commands: 1 normal, 2 minimised.
platform::ShellRequest Game(const std::string& parameters) {
    return {"open", "game.exe", parameters, "C:\\start", platform::ShowCommand{1}};
}
const platform::ShellRequest kPrep{"open", "prep.exe", "", "C:\\start", platform::ShowCommand{2}};
constexpr std::optional<std::uint32_t> kHd, kCd = 0u;

struct LaunchCase {
    VEXAR_ROW(LaunchCase)
    const char* label;
    std::optional<std::uint32_t> marker;        // the CD marker's attributes
    std::string defaults, hd, prep, cd, typed;  // the game's values; the command box
    Calls calls;
    std::string notes = "notes";
};
class Launch : public LauncherTest, public ::testing::WithParamInterface<LaunchCase> {};

TEST_P(Launch, FollowsTheParameterRule) {
    const LaunchCase& c = GetParam();
    AddGame("game.cfg", ConfigText(ConfigValues{"Game", "notes", "C:\\start", "game.exe", c.defaults, c.hd,
                                                c.prep, c.cd}));
    Start(c.marker);
    Choose("Game");
    TypeCommand(c.typed);
    form.cmdLaunchGame_Click();
    EXPECT_EQ(fakes.shell.calls, c.calls);
    EXPECT_EQ(view.notes, c.notes);
    EXPECT_TRUE(fakes.boxes.shown.empty());
}

const std::string kPreview = "Show Parameters";
// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Launch, ::testing::Values(
    LaunchCase{"defaults, typed, hard drive", kHd, "-d", "-h", "prep.exe", "-c", "-o", {Game("-d -o -h")}},
    LaunchCase{"typed blanks kept", kHd, "-d", "-h", "", "", " -o  ", {Game("-d  -o   -h")}},
    LaunchCase{"values keep their blanks", kHd, "  -d ", "-h ", "", "", "", {Game("  -d  -h ")}},
    LaunchCase{"nothing typed", kHd, "-d", "-h", "", "", "", {Game("-d -h")}},
    LaunchCase{"only defaults", kHd, "-d", "", "", "", "", {Game("-d")}},
    LaunchCase{"no defaults", kHd, "", "-h", "", "", "-o", {Game(" -o -h")}},
    LaunchCase{"nothing at all", kHd, "", "", "", "", "", {Game("")}},
    LaunchCase{"CD: preparation first", kCd, "-d", "-h", "prep.exe", "-c", "-o", {kPrep, Game("-d -o -c")}},
    LaunchCase{"CD without preparation", kCd, "-d", "-h", "", "", "", {Game("-d")}},
    LaunchCase{"lower-case keyword", kHd, "-d", "-h", "", "", "show parameters", {Game("-d show parameters -h")}},
    LaunchCase{"keyword and a blank", kHd, "-d", "-h", "", "", kPreview + " ", {Game("-d Show Parameters  -h")}},
    LaunchCase{"preview", kHd, "-d", "-h", "", "", kPreview, {}, "game.exe -d -h\r\n\r\nStart Location: C:\\start"},
    LaunchCase{"preview on CD", kCd, "-d", "-h", "prep.exe", "-c", kPreview, {kPrep},
               "game.exe -d -c\r\n\r\nStart Location: C:\\start"},
    LaunchCase{"preview of nothing", kHd, "", "", "", "", kPreview, {}, "game.exe \r\n\r\nStart Location: C:\\start"},
    LaunchCase{"hidden marker", platform::kAttrHidden, "-d", "-h", "", "-c", "", {Game("-d -h")}},
    LaunchCase{"marker folder", platform::kAttrDirectory, "-d", "-h", "", "-c", "", {Game("-d -h")}}));
// clang-format on

TEST_F(LauncherTest, NothingHappensWithoutAValidEntry) {
    Start();
    for (const char* list : {"", "Invalid Config (x.cfg)", "Invalid Config"}) {
        view.list = list;
        form.cmdLaunchGame_Click();
    }
    EXPECT_TRUE(fakes.shell.calls.empty() && fakes.boxes.shown.empty());
}

}  // namespace
}  // namespace vexar::testing
