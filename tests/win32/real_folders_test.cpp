// The launcher's logic over real folders: the game list, Title.cfg byte for byte, and the tree removal.
#include <gtest/gtest.h>

#include <memory>

#include "config_text.h"
#include "double/platform_double.h"
#include "file_utils/mdlGlobalFunctions.h"
#include "launcher/frmVexarLaunch.h"
#include "platform/win32/win32_codec.h"
#include "platform/win32/win32_file_system.h"
#include "real_folders.h"

namespace vexar::testing {
namespace {

using platform::Buttons;
using platform::Icon;

// The launcher over the real file system in a temporary folder; shell, boxes and window are doubles.
class RealFolders : public ::testing::Test {
protected:
    // Starts the launcher afresh, as a new run of the program would.
    void Start() {
        view = FakeLauncherView();
        boxes.shown.clear();
        form = std::make_unique<frmVexarLaunch>(platform::Services{files, shell, boxes, codec}, view,
                                                LauncherPaths{});
        form->Form_Initialize();
        form->Form_Load();
    }
    void Type(const std::string& command) {
        form->ControlFocused(LauncherControl::kCommand);
        view.command = command;
        form->ControlFocused(LauncherControl::kLaunchGame);
    }

    TempFolder temp;
    win32::Win32FileSystem files;
    win32::Win32Codec codec;
    FakeShell shell;
    FakeMessageBoxes boxes;
    FakeLauncherView view;
    std::unique_ptr<frmVexarLaunch> form;
};

TEST_F(RealFolders, GameListHoldsPlainLowerCaseConfigFilesInBinaryOrder) {
    temp.Folder("Configs");
    for (const char* name : {"alpha2.cfg", "Zulu.cfg", "alpha.cfg", ".cfg", "GAME.CFG", "game.cfg.bak"}) {
        temp.Write(std::string("Configs\\") + name, ConfigText({std::string("Title:         ") + name}));
    }
    temp.Write("Configs\\hidden.cfg", ConfigText({"Title:         hidden"}), FILE_ATTRIBUTE_HIDDEN);
    temp.Folder("Configs\\folder.cfg");
    Start();
    EXPECT_EQ(view.entries, (std::vector<std::string>{".cfg", "Zulu.cfg", "alpha.cfg", "alpha2.cfg"}));
}

std::string Record(const std::string& title, std::size_t size = 100) {
    std::string record = std::string(1, static_cast<char>(title.size())) + '\0' + title;
    record.resize(size, '\0');
    return record;
}

struct TitleCase {
    friend void PrintTo(const TitleCase& row, std::ostream* out) { *out << row.label; }
    const char* label;
    std::optional<std::string> before;  // Title.cfg's bytes; none: no file
    DWORD attributes;                   // Title.cfg's attributes
    bool locked;                        // another program holds it, sharing only reading
    std::string typed;                  // typed into the command box after the start
    std::string caption;                // the caption afterwards
    std::vector<ShownBox> boxes;
    std::optional<std::string> after;  // Title.cfg's bytes afterwards; none: as before
    std::string next_caption;          // the caption at the next start
};

class TitleFile : public RealFolders, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(TitleFile, IsWrittenOnlyBySetTitle) {
    const TitleCase& c = GetParam();
    if (c.before) temp.Write("Title.cfg", *c.before, c.attributes);
    win32::UniqueFile holder;
    if (c.locked) holder = HoldOpen(temp.Path("Title.cfg"), FILE_SHARE_READ);
    Start();
    if (!c.typed.empty()) Type(c.typed);
    EXPECT_EQ(view.caption, c.caption);
    EXPECT_EQ(boxes.shown, c.boxes);
    holder.reset();
    EXPECT_EQ(ReadBytes(temp.Path("Title.cfg")), c.after ? c.after : c.before);
    Start();
    EXPECT_EQ(view.caption, c.next_caption);
}

const std::string kDesigned = "Vexar Launcher v3.0";
const std::string k98(98, 'x');
ShownBox Error(const std::string& text, Icon icon = Icon::kCritical) {
    return {text, "Error !", icon, Buttons::kOk};
}
INSTANTIATE_TEST_SUITE_P(
    Cases, TitleFile,
    ::testing::Values(
        TitleCase{"a first start leaves an empty file", {}, 0, false, "", kDesigned, {}, "", kDesigned},
        TitleCase{
            "a saved title of 98 characters", Record(k98) + "second record", 0, false, "", k98, {}, {}, k98},
        TitleCase{"a read-only file is read",
                  Record("Mine"),
                  FILE_ATTRIBUTE_READONLY,
                  false,
                  "",
                  "Mine",
                  {},
                  {},
                  "Mine"},
        TitleCase{"a locked file is read", Record("Mine"), 0, true, "", "Mine", {}, {}, "Mine"},
        TitleCase{"one byte",
                  std::string(1, '\x05'),
                  0,
                  false,
                  "",
                  kDesigned,
                  {Error("62 Input past end of file in Private Sub SetTitle")},
                  {},
                  kDesigned},
        TitleCase{"a count beyond the record",
                  "c" + std::string(99, '\0'),
                  0,
                  false,
                  "",
                  kDesigned,
                  {Error("59 Bad record length in Private Sub SetTitle")},
                  {},
                  kDesigned},
        TitleCase{"a record cut short",
                  Record("abcde", 5),
                  0,
                  false,
                  "",
                  kDesigned,
                  {Error("62 Input past end of file in Private Sub SetTitle")},
                  {},
                  kDesigned},
        TitleCase{"SetTitle saves record 1 only",
                  Record("Old") + "second record",
                  0,
                  false,
                  "SetTitle My Games",
                  "My Games",
                  {{"Title set to My Games", "Title Set", Icon::kInformation}},
                  Record("My Games") + "second record",
                  "My Games"},
        TitleCase{"SetTitle with 98 characters",
                  {},
                  0,
                  false,
                  "SetTitle " + k98,
                  k98,
                  {{"Title set to " + k98, "Title Set", Icon::kInformation}},
                  Record(k98),
                  k98},
        TitleCase{"SetTitle alone saves an empty title",
                  Record("Old"),
                  0,
                  false,
                  "SetTitle ",
                  "",
                  {{"Title set to ", "Title Set", Icon::kInformation}},
                  Record(""),
                  kDesigned},
        TitleCase{"SetTitle on a locked file",
                  Record("Old"),
                  0,
                  true,
                  "SetTitle New",
                  "Old",
                  {Error("70 Permission denied in txtCommand_LostFocus", Icon::kWarning)},
                  {},
                  "Old"}));

// The temporary folder holds "data" with files of every kind; folders three levels deep.
class TreeRemoval : public RealFolders {
protected:
    TreeRemoval() {
        temp.Folder("data");
        temp.Write("data\\plain.txt", "p");
        temp.Write("data\\readonly.txt", "r", FILE_ATTRIBUTE_READONLY);
        temp.Write("data\\hidden.txt", "h", FILE_ATTRIBUTE_HIDDEN);
        temp.Write("data\\system.txt", "s", FILE_ATTRIBUTE_SYSTEM);
        temp.Folder("data\\a", FILE_ATTRIBUTE_HIDDEN);
        temp.Folder("data\\a\\b");
        temp.Folder("data\\a\\b\\c");
        temp.Write("data\\a\\b\\c\\deep.txt", "d", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM);
    }
    bool Exists(const std::string& relative) const {
        return ::GetFileAttributesA(temp.Path(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
};

TEST_F(TreeRemoval, DeletesProtectedFilesAndStopsAtAHeldOne) {
    win32::UniqueFile holder = HoldOpen(temp.Path("data\\a\\b\\c\\deep.txt"), 0);
    EXPECT_EQ(DeleteFolderTree(files, temp.Path("data")), kErrPermissionDenied);
    EXPECT_TRUE(Exists("data\\a\\b\\c\\deep.txt"));
    EXPECT_FALSE(Exists("data\\plain.txt"));
    RemoveDataFolder({files, shell, boxes, codec}, temp.Path("data"));
    EXPECT_EQ(boxes.shown, (std::vector<ShownBox>{{"An Error was occured", "VexarLaunch"}}));

    holder.reset();
    EXPECT_EQ(DeleteFolderTree(files, " " + temp.Path("data\\ ")), 0);
    EXPECT_FALSE(Exists("data"));
}

TEST_F(TreeRemoval, StaysInsideTheTree) {
    // Below 260 characters the ANSI calls cannot go: the removal fails there and touches nothing outside.
    const std::string c = temp.Path("data\\a\\b\\c");
    std::wstring deep = L"\\\\?\\" + std::wstring(c.begin(), c.end());
    for (const wchar_t letter : {L'x', L'y', L'z'}) {
        deep += L"\\" + std::wstring(100, letter);
        ASSERT_TRUE(::CreateDirectoryW(deep.c_str(), nullptr));
    }
    temp.Write("outside.txt");
    EXPECT_NE(DeleteFolderTree(files, temp.Path("data")), 0);
    EXPECT_TRUE(Exists("outside.txt"));
    for (int level = 0; level < 3; ++level, deep.erase(deep.find_last_of(L'\\')))
        ::RemoveDirectoryW(deep.c_str());

    // Directory links made from the Linux side beside this program: tree\link and toplink lead to target.
    const std::string links = ProgramFolder() + "link-fixture\\";
    ASSERT_NE(::GetFileAttributesA((links + "tree\\link").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT, 0u);
    const std::int32_t status = DeleteFolderTree(files, links + "tree");
    DeleteFolderTree(files, links + "toplink");
    EXPECT_TRUE(ReadBytes(links + "target\\canary.txt"));
    // Windows removes a link itself; Wine refuses to, and that is a failed step.
    EXPECT_EQ(status == 0, ::GetFileAttributesA((links + "tree").c_str()) == INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(status, -1);
}

}  // namespace
}  // namespace vexar::testing
