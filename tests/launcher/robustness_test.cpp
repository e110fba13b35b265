// Start-up against malformed configuration files, a damaged Title.cfg and odd folder states: the
// launcher must end in its designed state (an entry, an error box, an empty list), never crash or hang.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "file_utils/mdlGlobalFunctions.h"
#include "launcher/frmVexarLaunch.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_views.h"

namespace vexar {
namespace {

const std::string kValid = "LABELVEXARLNCH]\r\nGame Title:    Doom\r\n";

class RobustnessTest : public ::testing::Test {
protected:
    // Runs the window's initialisation and returns the list entries.
    std::vector<std::string> Start() {
        frmVexarLaunch form(fake.services(), view);
        form.Form_Initialize();
        EXPECT_EQ(fake.files.open_files(), 0);
        return view.entries;
    }
    std::vector<std::string> Boxes() const {
        std::vector<std::string> texts;
        for (const auto& box : fake.boxes.shown) texts.push_back(box.text);
        return texts;
    }

    fake::FakePlatform fake;
    fake::FakeLauncherView view;
};

TEST_F(RobustnessTest, BinaryDataAndMissingLineEndsMakeInvalidEntriesOrTheShortLineBox) {
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 7919) % 256 == 10 ? 0 : (i * 7919) % 256));
    std::string no_ends(binary);
    std::replace(no_ends.begin(), no_ends.end(), '\r', 'x');
    std::replace(no_ends.begin(), no_ends.end(), '\n', 'x');
    fake.files.AddFile("Configs\\a.cfg", no_ends);                                  // one line: 62
    fake.files.AddFile("Configs\\b.cfg", "LABELVEXARLNCH]" + std::string(1 << 20, 'z'));  // marker only
    fake.files.AddFile("Configs\\c.cfg", kValid);
    fake.files.AddFile("Configs\\d.cfg", "\x01\x02\r\x03\r\n");  // line 2 shorter than 15: error 5
    fake.files.AddFile("Configs\\e.cfg", kValid);
    EXPECT_EQ(Start(), (std::vector<std::string>{"Invalid Config (a.cfg)", "Invalid Config (b.cfg)", "Doom"}));
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"5 Invalid procedure call or argument in Private Sub PopulateList"}));
}

TEST_F(RobustnessTest, NulBytesAndHighBytesAreOrdinaryCharacters) {
    const std::string title("Game Title:    A\0B\xE9\xFF", 20);
    fake.files.AddFile("Configs\\nul.cfg", "LABELVEXARLNCH]\r\n" + title + "\r\n");
    fake.files.AddFile("Configs\\\xE9t\xE9.cfg", std::string("LABELVEXARLNCH\0\r\n", 17) + title);
    EXPECT_EQ(Start(), (std::vector<std::string>{std::string("A\0B\xE9\xFF", 5), "Invalid Config (\xE9t\xE9.cfg)"}));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(RobustnessTest, MegabyteLinesAreReadWhole) {
    const std::string long_title(1 << 20, 'T');
    fake.files.AddFile("Configs\\long.cfg", "LABELVEXARLNCH]" + std::string(1 << 20, ' ') + "\r\n" +
                                                std::string(15, '-') + long_title + "\r\n");
    EXPECT_EQ(Start(), std::vector<std::string>{long_title});
}

TEST_F(RobustnessTest, ThousandsOfInvalidEntriesAreListedInOneBatchInSortedOrder) {
    for (int i = 4999; i >= 0; --i) fake.files.AddFile("Configs\\g" + std::to_string(100000 + i) + ".cfg", "junk");
    const std::vector<std::string> entries = Start();
    ASSERT_EQ(entries.size(), 5000u);
    EXPECT_EQ(entries.front(), "Invalid Config (g100000.cfg)");
    EXPECT_EQ(entries.back(), "Invalid Config (g104999.cfg)");
    EXPECT_EQ(view.list_batches, 1);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(RobustnessTest, ConfigsThatIsAFileOrAnUnreadableFolderGivesAnEmptyListOrTheListingBox) {
    fake.files.AddFile("Configs", kValid);
    EXPECT_TRUE(Start().empty());
    EXPECT_TRUE(Boxes().empty());

    fake::FakePlatform other;
    other.files.AddDirectory("Configs");
    other.files.FailOn(fake::Op::kListFirst, "Configs\\", kErrPermissionDenied);
    fake::FakeLauncherView other_view;
    frmVexarLaunch form(other.services(), other_view);
    form.Form_Initialize();
    EXPECT_TRUE(other_view.entries.empty());
    ASSERT_EQ(other.boxes.shown.size(), 1u);
    EXPECT_EQ(other.boxes.shown[0].text, "70 Permission denied in SortedFiles");
}

TEST_F(RobustnessTest, UnreadableConfigStopsTheFillAfterTheEntriesBeforeIt) {
    fake.files.AddFile("Configs\\a.cfg", kValid);
    fake.files.AddFile("Configs\\b.cfg", kValid);
    fake.files.AddFile("Configs\\c.cfg", kValid);
    fake.files.FailOn(fake::Op::kOpenInput, "Configs\\b.cfg", kErrPermissionDenied);
    EXPECT_EQ(Start(), std::vector<std::string>{"Doom"});
    EXPECT_EQ(Boxes(), std::vector<std::string>{"70 Permission denied in Private Sub PopulateList"});
}

TEST_F(RobustnessTest, DamagedTitleFilesKeepTheDesignedCaption) {
    const std::string designed = view.caption;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {std::string("\x63\x00", 2) + std::string(98, 'x'), "59 Bad record length in Private Sub SetTitle"},
        {std::string("\x14\x00" "abc", 5), "62 Input past end of file in Private Sub SetTitle"},
        {std::string(1, '\x01'), "62 Input past end of file in Private Sub SetTitle"},
    };
    for (const auto& [content, box] : cases) {
        fake::FakePlatform platform;
        fake::FakeLauncherView title_view;
        platform.files.AddFile("Title.cfg", content);
        frmVexarLaunch form(platform.services(), title_view);
        form.Form_Initialize();
        EXPECT_EQ(title_view.caption, designed);
        ASSERT_EQ(platform.boxes.shown.size(), 1u);
        EXPECT_EQ(platform.boxes.shown[0].text, box);
        EXPECT_EQ(platform.files.Content("Title.cfg"), content);  // never rewritten by reading
    }

    fake.files.AddDirectory("Title.cfg");
    Start();
    EXPECT_EQ(view.caption, designed);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"75 Path/File access error in Private Sub SetTitle"});
}

// A multi-byte code page (UTF-8) in which every byte that starts no complete sequence reads as U+FFFD.
class LenientUtf8 : public fake::FakeCodec {
public:
    bool IsSingleByte() const override { return false; }
    std::u16string ToUtf16(std::string_view text) const override {
        std::u16string wide;
        for (std::size_t i = 0; i < text.size();) {
            const auto lead = static_cast<unsigned char>(text[i]);
            const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : 0;
            char16_t code = length == 1 ? lead : length == 2 ? (lead & 0x1F) : (lead & 0x0F);
            bool whole = length > 0 && i + length <= text.size();
            for (std::size_t k = 1; whole && k < length; ++k) {
                whole = (static_cast<unsigned char>(text[i + k]) >> 6) == 0x2;
                code = static_cast<char16_t>((code << 6) | (text[i + k] & 0x3F));
            }
            wide.push_back(whole ? code : u'\uFFFD');
            i += whole ? length : 1;
        }
        return wide;
    }
};

// Found by fuzzing: a broken sequence that is the first bytes of a longer name sorted before it by its
// bytes, although its characters sort after, so the order was not transitive and depended on the
// listing order.
TEST(RobustnessSort, BrokenSequencesInAMultiByteCodePageSortByTheirCharacters) {
    const LenientUtf8 codec;
    const BinaryCompare compare(codec);
    const std::string dot("\xC3.cfg"), broken("\xEF\xBF"), replacement("\xEF\xBF\xBD");  // FFFD . / FFFD FFFD / FFFD
    EXPECT_LT(compare.Compare(dot, broken), 0);
    EXPECT_GT(compare.Compare(broken, replacement), 0);
    EXPECT_GT(compare.Compare(dot, replacement), 0);
    EXPECT_LT(compare.Compare("ab", "abc"), 0);  // the ASCII prefix rule still holds

    const std::vector<std::vector<std::string>> orders = {
        {dot, broken, replacement}, {broken, replacement, dot}, {replacement, dot, broken}};
    for (std::vector<std::string> names : orders) {
        Randomizer random;
        QuickSortStrings(names, 1, 3, compare, random);
        EXPECT_EQ(names, (std::vector<std::string>{replacement, dot, broken}));
    }
}

}  // namespace
}  // namespace vexar
