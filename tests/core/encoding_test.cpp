// Game files in any encoding: what the list, the notes and the launch make of each.
#include "launcher_fixture.h"

namespace vexar::testing {
namespace {

struct EncodingCase {
    VEXAR_ROW(EncodingCase)
    const char* label;
    Form form;
    std::string title, notes, folder, file;  // as written in the file's lines 2 to 5
    std::string shown;                       // the title, notes, folder and file read, joined by '|'
    std::string label_line2 = "Title:         ";
    std::string line9 = "Value:         ";
};
class Encoding : public LauncherTest, public ::testing::WithParamInterface<EncodingCase> {};

TEST_P(Encoding, DecidesHowTheLinesRead) {
    const EncodingCase& c = GetParam();
    const std::string l = "Value:         ";
    AddGame(
        "game.cfg",
        Saved(ConfigText({c.label_line2 + c.title, l + c.notes, l + c.folder, l + c.file, l, l, l, c.line9}),
              c.form));
    Start();
    ASSERT_EQ(view.entries.size(), 1u);
    Choose(view.entries[0]);
    form.cmdLaunchGame_Click();
    ASSERT_EQ(fakes.shell.calls.size(), 1u);
    const platform::ShellRequest& launch = fakes.shell.calls[0];
    EXPECT_EQ(view.entries[0] + "|" + view.notes + "|" + launch.directory + "|" + launch.file, c.shown);
}

const std::string kCafe = "Caf\xC3\xA9", kGame = "\xE3\x82\xB2\xE3\x83\xBC\xE3\x83\xA0";  // Café, ゲーム
// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Encoding, ::testing::Values(
    EncodingCase{"ASCII", Form::kAsWritten, "Game", "n", "C:\\g", "g.exe", "Game|n|C:\\g|g.exe"},
    EncodingCase{"UTF-8", Form::kAsWritten, kCafe, "M\xC3\xBCller", "D:\\" + kGame, "run.exe",
                 kCafe + "|M\xC3\xBCller|D:\\" + kGame + "|run.exe"},
    EncodingCase{"ANSI, not UTF-8", Form::kAsWritten, "Caf\xE9", "\x80", "C:\\\xDC" "ber", "g.exe",
                 kCafe + "|\xE2\x82\xAC|C:\\\xC3\x9C" "ber|g.exe"},
    EncodingCase{"a line that is not UTF-8 makes the file ANSI", Form::kAsWritten, kCafe, "\xE9", "C:\\g", "g.exe",
                 "Caf\xC3\x83\xC2\xA9|\xC3\xA9|C:\\g|g.exe"},
    EncodingCase{"UTF-8 after its mark", Form::kUtf8Mark, kCafe, kGame, "C:\\g", "g.exe",
                 kCafe + "|" + kGame + "|C:\\g|g.exe"},
    EncodingCase{"bad UTF-8 after a mark", Form::kUtf8Mark, "Caf\xE9", "a\xC3", "C:\\g", "g.exe",
                 "Caf\xEF\xBF\xBD|a\xEF\xBF\xBD|C:\\g|g.exe"},
    EncodingCase{"UTF-16 little-endian", Form::kUtf16Le, kGame, "\xF0\x9F\x98\x80", "D:\\" + kGame, kGame + ".exe",
                 kGame + "|\xF0\x9F\x98\x80|D:\\" + kGame + "|" + kGame + ".exe"},
    EncodingCase{"UTF-16 big-endian", Form::kUtf16Be, kCafe, "n", "C:\\g", "g.exe", kCafe + "|n|C:\\g|g.exe"},
    EncodingCase{"notes beyond the first block", Form::kAsWritten, "Game", std::string(5000, 'n'), "C:\\g", "g.exe",
                 "Game|" + std::string(5000, 'n') + "|C:\\g|g.exe"},
    EncodingCase{"the first character above ASCII on line 5", Form::kAsWritten, "Game", "n", "C:\\g", "g\xC3\xBC.exe",
                 "Game|n|C:\\g|g\xC3\xBC.exe"},
    EncodingCase{"the ninth line decides too", Form::kAsWritten, kCafe, "n", "C:\\g", "g.exe",
                 "Caf\xC3\x83\xC2\xA9|n|C:\\g|g.exe", "Title:         ", "Value:         \xE9"},
    EncodingCase{"labels count characters", Form::kAsWritten, "Game", "n", "C:\\g", "g.exe", "Game|n|C:\\g|g.exe",
                 "Titr\xC3\xA9:         "}));
// clang-format on

TEST(TextFile, ALineCutAtTheLengthLimitKeepsItsCharactersWhole) {
    std::string line = "x";  // then "é" until the limit cuts one in two
    while (line.size() <= platform::LineSplitter::kMaxLineLength) line += "\xC3\xA9";
    for (const Form form : {Form::kAsWritten, Form::kUtf8Mark, Form::kUtf16Le, Form::kUtf16Be}) {
        const Cp1252Codec codec;
        platform::TextFile file(std::make_unique<StringSource>(Saved(line + "\r\n", form)), codec);
        EXPECT_EQ(file.ReadLine(), line.substr(0, platform::LineSplitter::kMaxLineLength - 1)) << int(form);
        EXPECT_NE(file.encoding(), platform::Encoding::kAnsi) << int(form);
        EXPECT_TRUE(file.repaired_lines().empty()) << int(form);
    }
}

TEST_F(LauncherTest, ATitleTheCodePageCannotHoldIsNotSaved) {
    Start();
    TypeCommand("SetTitle " + kGame);
    EXPECT_EQ(fakes.boxes.shown,
              (std::vector<ShownBox>{
                  {"The title cannot be saved: Title.cfg is written in this computer's ANSI code "
                   "page, which lacks these characters: \xE3\x82\xB2 \xE3\x83\xBC \xE3\x83\xA0",
                   "Title Not Set", platform::Icon::kWarning}}));
    EXPECT_EQ(view.caption + "|" + view.command + "|" + fakes.files.Content("Title.cfg"),
              std::string(kDesignedCaption) + "|SetTitle " + kGame + "|");
}

}  // namespace
}  // namespace vexar::testing
