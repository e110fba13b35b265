// Title.cfg on a real folder: what "SetTitle " writes, what the next start reads, and the bad cases.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "launcher/frmVexarLaunch.h"
#include "real_platform.h"
#include "title_record.h"

namespace vexar {
namespace {

constexpr std::string_view kDesignedCaption = "Vexar Launcher v3.0";

using testing::TitleRecord;

class TitleFileTest : public testing::RealPlatformTest<> {
  protected:
    // One start of the launcher in the test's folder: a fresh window over a fresh view.
    struct Start {
        explicit Start(TitleFileTest& test) : form(test.services, view) {
            form.Form_Initialize();
            form.Form_Load();
        }
        // The user types `text` into the command box and leaves it.
        void LeaveCommand(const std::string& text) {
            view.command = text;
            form.txtCommand_LostFocus();
        }
        fake::FakeLauncherView view;
        frmVexarLaunch form;
    };

    // The bytes of Title.cfg; "<missing>" when there is none.
    std::string TitleBytes() const {
        const std::string path = folder.PathOf("Title.cfg");
        if (!testing::Exists(path)) return "<missing>";
        return testing::ReadWholeFile(path).value_or("<unreadable>");
    }

    // True when Title.cfg, marked read-only, can still be opened for writing.
    bool WritableDespiteReadOnly() const {
        win32::UniqueFile file(::CreateFileA(folder.PathOf("Title.cfg").c_str(), GENERIC_WRITE,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
        return static_cast<bool>(file);
    }

    // Title.cfg holds "Old" and cannot be written: the start still reads it, and "SetTitle New" gives the
    // warning box and changes neither the file nor the caption nor the command box.
    void ExpectRefusedSave() {
        Start first(*this);
        EXPECT_EQ(first.view.caption, "Old");
        EXPECT_TRUE(boxes.shown.empty());
        first.LeaveCommand("SetTitle New");

        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].title, "Error !");
        EXPECT_EQ(boxes.shown[0].icon, platform::Icon::kWarning);
        EXPECT_TRUE(boxes.shown[0].text.ends_with(" in txtCommand_LostFocus")) << boxes.shown[0].text;
        EXPECT_EQ(TitleBytes(), TitleRecord("Old"));
        EXPECT_EQ(first.view.caption, "Old");
        EXPECT_EQ(first.view.command, "SetTitle New");
    }
};

// A new title, the longest one (the record filled exactly), and a shorter one over a longer old title
// (the count overwritten, the record length kept).
TEST_F(TitleFileTest, SetTitleSavesTheRecordAndTheNextStartShowsIt) {
    struct Case {
        std::string old_bytes;  // empty: no Title.cfg before the first start
        std::string title;
    };
    for (const Case& c : {Case{"", "My Games"}, Case{"", std::string(98, 'x')},
                          Case{TitleRecord("A much longer old title"), "New"}}) {
        SCOPED_TRACE(c.title);
        boxes.shown.clear();
        ::DeleteFileA(folder.PathOf("Title.cfg").c_str());
        if (!c.old_bytes.empty()) folder.WriteFile("Title.cfg", c.old_bytes);
        {
            Start first(*this);
            first.LeaveCommand("SetTitle " + c.title);
            EXPECT_EQ(first.view.caption, c.title);
            EXPECT_EQ(first.view.command, "");
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_EQ(boxes.shown[0], (fake::ShownBox{"Title set to " + c.title, "Title Set",
                                                      platform::Icon::kInformation, platform::Buttons::kOk}));
        }
        EXPECT_EQ(TitleBytes(), TitleRecord(c.title));
        Start next(*this);
        EXPECT_EQ(next.view.caption, c.title);
        EXPECT_EQ(boxes.shown.size(), 1u);
    }
}

TEST_F(TitleFileTest, FirstStartCreatesAnEmptyFileAndKeepsTheDesignedCaption) {
    Start first(*this);
    EXPECT_EQ(TitleBytes(), "");
    EXPECT_EQ(first.view.caption, kDesignedCaption);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(TitleFileTest, ReadOnlyTitleFileIsStillRead) {
    folder.WriteFile("Title.cfg", TitleRecord("Saved"), FILE_ATTRIBUTE_READONLY);
    Start first(*this);
    EXPECT_EQ(first.view.caption, "Saved");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(TitleFileTest, TooLongTitleLeavesFileCaptionAndCommandAsTheyWere) {
    folder.WriteFile("Title.cfg", TitleRecord("Old"));
    Start first(*this);
    const std::string typed = "SetTitle " + std::string(99, 'y');
    first.LeaveCommand(typed);

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0], (fake::ShownBox{"59 Bad record length in txtCommand_LostFocus", "Error !",
                                              platform::Icon::kWarning, platform::Buttons::kOk}));
    EXPECT_EQ(TitleBytes(), TitleRecord("Old"));
    EXPECT_EQ(first.view.caption, "Old");
    EXPECT_EQ(first.view.command, typed);
}

TEST_F(TitleFileTest, WriteProtectedTitleFileGivesTheWarningBoxAndKeepsEverything) {
    folder.WriteFile("Title.cfg", TitleRecord("Old"), FILE_ATTRIBUTE_READONLY);
    if (WritableDespiteReadOnly()) GTEST_SKIP() << "this user may write read-only files (root under Wine)";
    ExpectRefusedSave();
}

TEST_F(TitleFileTest, TitleFileLockedByAnotherProgramIsReadButNotWritten) {
    folder.WriteFile("Title.cfg", TitleRecord("Old"));
    // Another program holds the file open and lets others read it, not write it.
    const win32::UniqueFile holder = testing::HoldOpen(folder.PathOf("Title.cfg"), testing::Sharing::kRead);
    ExpectRefusedSave();
}

TEST_F(TitleFileTest, DamagedTitleFileGivesTheStartUpBoxAndTheDesignedCaption) {
    struct Case {
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {TitleRecord("Cut").substr(0, 4), "62 Input past end of file in Private Sub SetTitle"},
        {std::string("\x01", 1), "62 Input past end of file in Private Sub SetTitle"},
        {std::string("\xFF\xFF", 2) + std::string(98, 'g'), "59 Bad record length in Private Sub SetTitle"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        boxes.shown.clear();
        folder.WriteFile("Title.cfg", c.bytes);
        Start start(*this);
        EXPECT_EQ(start.view.caption, kDesignedCaption);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, c.text);
        EXPECT_EQ(boxes.shown[0].icon, platform::Icon::kCritical);
        EXPECT_EQ(TitleBytes(), c.bytes);
    }
}

}  // namespace
}  // namespace vexar
