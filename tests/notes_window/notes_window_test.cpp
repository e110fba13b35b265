#include <gtest/gtest.h>

#include "launcher/frmVexarLaunch.h"
#include "notes_window/frmNotesView.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_views.h"

namespace vexar {
namespace {

// A notes window that cannot be shown.
class UnshowableNotesView : public fake::FakeNotesView {
public:
    void ShowOwned() override { Raise(kErrOutOfMemory); }
};

class NotesWindowTest : public ::testing::Test {
protected:
    fake::FakePlatform fake;
    fake::FakeLauncherView view;
    fake::FakeNotesView notes_view;
    frmNotesView notes{notes_view, fake.boxes};
    frmVexarLaunch form{fake.services(), view, &notes};
};

TEST_F(NotesWindowTest, OpensWithTheCurrentNotesEvenWhenEmpty) {
    form.txtShowNotes_DblClick();
    EXPECT_TRUE(notes_view.loaded);
    EXPECT_TRUE(notes_view.shown);
    EXPECT_EQ(notes_view.text, "");
}

TEST_F(NotesWindowTest, FailureToShowIsReportedWithoutAProcedureName) {
    UnshowableNotesView broken;
    frmNotesView broken_notes(broken, fake.boxes);
    frmVexarLaunch broken_form(fake.services(), view, &broken_notes);
    view.notes = "text";
    broken_form.txtShowNotes_DblClick();
    ASSERT_EQ(fake.boxes.shown.size(), 1u);
    EXPECT_EQ(fake.boxes.shown[0].text, "7 Out of memory");
    EXPECT_EQ(fake.boxes.shown[0].title, "Error !");
    EXPECT_TRUE(broken.loaded);  // what was done before the failure stays done
    EXPECT_EQ(broken.text, "");
}

}  // namespace
}  // namespace vexar
