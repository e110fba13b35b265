#include "launcher_fixture.h"

#include "launcher/title_file.h"
#include "title_record.h"

namespace vexar::testing {
namespace {

class KeywordTest : public LauncherTest {
protected:
    void Leave(std::string_view typed) {
        view.command = typed;
        form.txtCommand_LostFocus();
    }
};

TEST_F(KeywordTest, SetTitleSavesShowsAndClears) {
    Start();
    Leave("SetTitle My Games");
    EXPECT_EQ(fake.files.Content("Title.cfg"), TitleRecord("My Games"));
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0],
              (fake::ShownBox{"Title set to My Games", "Title Set", platform::Icon::kInformation, platform::Buttons::kOk}));
    EXPECT_EQ(view.caption, "My Games");
    EXPECT_EQ(view.command, "");

    // The next start shows the saved title.
    fake::FakeLauncherView next_view;
    frmVexarLaunch next(fake.services(), next_view);
    next.Form_Initialize();
    EXPECT_EQ(next_view.caption, "My Games");
    EXPECT_EQ(fake.files.open_files(), 0);
}

TEST_F(KeywordTest, EmptyTitleKeepsTheDesignedCaptionNextTime) {
    Start();
    Leave("SetTitle Longer title first");
    Leave("SetTitle ");
    EXPECT_EQ(view.caption, "");
    EXPECT_EQ(fake.files.Content("Title.cfg"), TitleRecord(""));
    fake::FakeLauncherView next_view;
    frmVexarLaunch next(fake.services(), next_view);
    next.Form_Initialize();
    EXPECT_EQ(next_view.caption, "Vexar Launcher v3.0");
}

TEST_F(KeywordTest, NearMissesAndOtherTextsDoNothing) {
    Start();
    for (const char* typed : {"settitle x", "SetTitlex", "SetTitle", " SetTitle x", "copyright", "Copyright ", ""}) {
        Leave(typed);
        EXPECT_EQ(view.command, typed);
    }
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(fake.files.Content("Title.cfg"), "");
}

TEST_F(KeywordTest, CopyrightShowsTheCreditsEachTime) {
    Start();
    Leave("Copyright");
    Leave("Copyright");
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[0].title, "Copyright");
    EXPECT_EQ(boxes()[0].icon, platform::Icon::kInformation);
    // Four lines.
    const std::string& text = boxes()[0].text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3);
    EXPECT_EQ(text.find("\n\r"), std::string::npos);
    EXPECT_EQ(view.command, "Copyright");
}

TEST_F(KeywordTest, OverlongTitleChangesNothing) {
    fake.files.AddFile("Title.cfg", TitleRecord("Old"));
    Start();
    Leave("SetTitle " + std::string(98, 't'));
    EXPECT_EQ(view.caption, std::string(98, 't'));
    Leave("SetTitle " + std::string(99, 'u'));
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[1], (fake::ShownBox{"59 Bad record length in txtCommand_LostFocus", "Error !",
                                          platform::Icon::kWarning, platform::Buttons::kOk}));
    EXPECT_EQ(fake.files.Content("Title.cfg"), TitleRecord(std::string(98, 't')));
    EXPECT_EQ(view.caption, std::string(98, 't'));
    EXPECT_EQ(view.command, "SetTitle " + std::string(99, 'u'));
}

TEST_F(KeywordTest, WriteProtectedTitleFileGivesTheWarningBox) {
    fake.files.AddFile("Title.cfg", TitleRecord("Kept"), platform::kAttrReadOnly);
    Start();
    EXPECT_EQ(view.caption, "Kept");  // still read at start
    Leave("SetTitle New");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "75 Path/File access error in txtCommand_LostFocus");
    EXPECT_EQ(boxes()[0].icon, platform::Icon::kWarning);
    EXPECT_EQ(view.caption, "Kept");
    EXPECT_EQ(fake.files.Content("Title.cfg"), TitleRecord("Kept"));
}

TEST_F(KeywordTest, FirstStartLeavesAnEmptyTitleFile) {
    Start();
    EXPECT_TRUE(fake.files.Exists("Title.cfg"));
    EXPECT_EQ(fake.files.Content("Title.cfg"), "");
    EXPECT_EQ(view.caption, "Vexar Launcher v3.0");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(KeywordTest, ReadOnlyMediumWithoutTitleFileIsSilent) {
    fake.files.FailCreation(70);
    Start();
    EXPECT_FALSE(fake.files.Exists("Title.cfg"));
    EXPECT_EQ(view.caption, "Vexar Launcher v3.0");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(KeywordTest, DamagedTitleFileIsReportedAtStart) {
    struct Case {
        std::string content;
        const char* text;
    };
    const std::string garbage_count = std::string("\xFF\xFF", 2) + std::string(98, 'g');
    for (const Case& c : {Case{"\x05", "62 Input past end of file in Private Sub SetTitle"},
                          Case{std::string("\x0A\0abc", 5), "62 Input past end of file in Private Sub SetTitle"},
                          Case{garbage_count, "59 Bad record length in Private Sub SetTitle"},
                          Case{std::string("\x63\0", 2) + std::string(98, 'x'),
                               "59 Bad record length in Private Sub SetTitle"}}) {
        fake.files.AddFile("Title.cfg", c.content);
        fake.boxes.shown.clear();
        fake::FakeLauncherView start_view;
        frmVexarLaunch start(fake.services(), start_view);
        start.Form_Initialize();
        ASSERT_EQ(boxes().size(), 1u) << c.text;
        EXPECT_EQ(boxes()[0].text, c.text);
        EXPECT_EQ(boxes()[0].icon, platform::Icon::kCritical);
        EXPECT_EQ(start_view.caption, "Vexar Launcher v3.0");
        EXPECT_EQ(fake.files.Content("Title.cfg"), c.content);
    }
    EXPECT_EQ(fake.files.open_files(), 0);
}

TEST_F(KeywordTest, TitleFileKeepsBytesBeyondTheFirstRecord) {
    fake.files.AddFile("Title.cfg", TitleRecord("Old") + "second record");
    Start();
    Leave("SetTitle New");
    EXPECT_EQ(fake.files.Content("Title.cfg"), TitleRecord("New") + "second record");
}

}  // namespace
}  // namespace vexar::testing
