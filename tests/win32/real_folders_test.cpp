// The Win32 file system on real folders - listings, attributes, files held open - and the launcher's logic
// over them: the game list in every encoding, Title.cfg byte for byte, and the tree removal; the built
// launcher's icon and version record.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <memory>
#include <set>

#include "double/platform_double.h"
#include "editor/save_plan.h"
#include "file_utils/mdlGlobalFunctions.h"
#include "launcher/frmVexarLaunch.h"
#include "launcher/launcher_rules.h"
#include "platform/win32/win32_codec.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_file_writer.h"
#include "platform/win32/win32_later_calls.h"
#include "platform/win32/xinput_pads.h"
#include "real_folders.h"
#include "resource_ids.h"

namespace vexar::testing {
namespace {

// The launcher over the real file system in a temporary folder; shell, boxes and window are doubles.
class RealFolders : public ::testing::Test {
protected:
    // Starts the launcher afresh, as a new run of the program would.
    void Start() {
        view = FakeLauncherView();
        form = std::make_unique<frmVexarLaunch>(services, view, LauncherPaths{});
        form->Form_Initialize();
    }

    TempFolder temp;
    win32::Win32FileSystem files;
    win32::Win32Codec codec;
    FakeShell shell;
    FakeMessageBoxes boxes;
    platform::Services services{files, shell, boxes, codec};
    FakeLauncherView view;
    std::unique_ptr<frmVexarLaunch> form;
};

struct TitleCase {
    friend void PrintTo(const TitleCase& row, std::ostream* out) { *out << row.label; }
    const char* label;
    std::optional<std::string> before;  // Title.cfg's bytes; none: no file
    DWORD attributes, share;            // Title.cfg's attributes; how another program holding it shares it
    std::string typed, caption;         // typed into the command box after the start; the caption then
    std::vector<ShownBox> boxes;        // the boxes shown
    std::optional<std::string> after;   // Title.cfg's bytes afterwards; none: as before
    std::string next;                   // the caption at the next start
};
class TitleFile : public RealFolders, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(TitleFile, IsWrittenOnlyBySetTitle) {
    const TitleCase& c = GetParam();
    if (c.before) temp.Write("Title.cfg", *c.before, c.attributes);
    win32::UniqueFile holder;
    if (c.share != ~DWORD{}) holder = HoldOpen(temp.Path("Title.cfg"), c.share);
    Start();
    form->ControlFocused(LauncherControl::kCommand);
    view.command = c.typed;
    form->ControlFocused(LauncherControl::kLaunchGame);
    EXPECT_EQ(view.caption, c.caption);
    EXPECT_EQ(boxes.shown, c.boxes);
    holder.reset();
    EXPECT_EQ(ReadBytes(temp.Path("Title.cfg")), c.after ? c.after : c.before);
    Start();
    EXPECT_EQ(view.caption, c.next);
}

constexpr DWORD kFree = ~DWORD{}, kReadOnly = FILE_ATTRIBUTE_READONLY;
const std::string kDesigned(kDesignedCaption);
// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, TitleFile, ::testing::Values(
    TitleCase{"a first start leaves an empty file", {}, 0, kFree, "", kDesigned, {}, "", kDesigned},
    TitleCase{"98 characters and a second record", Record(k98) + "2nd", 0, kFree, "", k98, {}, {}, k98},
    TitleCase{"a read-only file is read", Record("Mine"), kReadOnly, kFree, "", "Mine", {}, {}, "Mine"},
    TitleCase{"a locked file is read", Record("Mine"), 0, FILE_SHARE_READ, "", "Mine", {}, {}, "Mine"},
    TitleCase{"SetTitle saves record 1 in the code page", Record("Old") + "2nd", 0, kFree, "SetTitle Café €", "Café €",
              {{"Title set to Café €", "Title Set", platform::Icon::kInformation}}, Record("Caf\xE9 \x80") + "2nd", "Café €"},
    TitleCase{"SetTitle on a locked file", Record("Old"), 0, FILE_SHARE_READ, "SetTitle New", "Old",
              {{"70 Permission denied in txtCommand_LostFocus", "Error !", platform::Icon::kWarning}}, {}, "Old"}));
// clang-format on

// Names the ANSI code page lacks (on Windows-1252), listed after the names it holds, and names of devices:
// each file read as the file it is, never the serial port or the console. (Every encoding of a file's
// text is read the same way here as in the core tests; VexarCheck's runs read one of each from disk.)
TEST_F(RealFolders, ListsNamesOutsideTheCodePageAndNamesOfDevices) {
    if (::GetACP() != 1252) GTEST_SKIP() << "ANSI code page " << ::GetACP();
    const auto game = [](const std::string& title) { return ConfigText({"Title:         " + title}); };
    temp.Folder("Configs");
    temp.Write("Configs\\€.cfg", game("Ελληνικά"));
    temp.Write("Configs\\Ωゲーム.cfg", game("ゲーム"));
    const std::vector<std::string> devices = {"aux.cfg", "com1.cfg", "con.cfg", "nul.cfg", "prn.cfg"};
    for (const std::string& name : devices) temp.Write("Configs\\" + name, game(name));
    Start();
    EXPECT_EQ(view.entries, (std::vector<std::string>{"aux.cfg", "com1.cfg", "con.cfg", "nul.cfg", "prn.cfg",
                                                      "Ελληνικά", "ゲーム"}));
    for (const std::string& name : devices) {
        EXPECT_EQ(files.ListFirst("Configs\\" + name, platform::ListMask::kNormal), name);
        EXPECT_EQ(files.ReadAttributes("Configs\\" + name) & FILE_ATTRIBUTE_DIRECTORY, 0u) << name;
        files.DeleteFileAt(temp.Path("Configs\\" + name), platform::AttributeReset::kFirst);
        EXPECT_EQ(files.ListFirst("Configs\\" + name, platform::ListMask::kNormal), "") << name;
    }
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The editor's writes on real files: the target and the file to take its place afterwards.
TEST(Win32FileWriter, ReplacesKeepingAttributesAndNeverOverwritesWhatItMustNot) {
    struct {
        const char* label;
        bool replace;      // Replace, or MoveNew
        DWORD attributes;  // the target's, ~0 for no target
        int error;         // what the writer raises, 0 for nothing; then the target holds the new bytes
    } const rows[] = {{"replaced, still hidden", true, FILE_ATTRIBUTE_HIDDEN, 0},
                      {"read-only, not replaced", true, FILE_ATTRIBUTE_READONLY, kErrPathFileAccess},
                      {"a new name that is taken", false, 0, kErrFileExists},
                      {"a new name", false, ~DWORD{}, 0}};
    win32::Win32FileWriter writer;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        TempFolder temp;
        const std::string target = temp.Path("game.cfg"), replacement = temp.Path("game.cfg.~vexedit");
        if (row.attributes != ~DWORD{}) temp.Write("game.cfg", "old", row.attributes);
        writer.WriteWhole(replacement, "new");
        try {
            row.replace ? writer.Replace(target, replacement) : writer.MoveNew(replacement, target);
            EXPECT_EQ(row.error, 0);
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), row.error);
        }
        EXPECT_EQ(ReadBytes(target), row.error != 0 ? "old" : "new");
        EXPECT_EQ(::GetFileAttributesA(target.c_str()) & ~FILE_ATTRIBUTE_ARCHIVE,
                  row.attributes == ~DWORD{} ? 0 : row.attributes);
        EXPECT_EQ(Exists(replacement), row.error != 0);
    }
    // The first game of a new launcher folder: its configuration folder is made, once.
    TempFolder temp;
    writer.MakeFolder(temp.Path("Configs"));
    EXPECT_EQ(::GetFileAttributesA(temp.Path("Configs").c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              DWORD{FILE_ATTRIBUTE_DIRECTORY});
    EXPECT_THROW(writer.MakeFolder(temp.Path("Configs")), RuntimeError);
}

// The tree removal both ways the file system takes: through one handle a file, and by path as on Windows XP.
class TreeRemoval : public ::testing::TestWithParam<bool> {
protected:
    TempFolder temp;
    win32::Win32FileSystem files{platform::LaterCalls{.file_information_by_handle = GetParam()}};
};
INSTANTIATE_TEST_SUITE_P(Ways, TreeRemoval, ::testing::Bool(),
                         [](const auto& way) { return way.param ? "ByHandle" : "ByPath"; });

TEST_P(TreeRemoval, DeletesProtectedFilesAndStopsAtAHeldOne) {
    temp.Folder("data");
    for (const DWORD attributes : {0, FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM})
        temp.Write("data\\file" + std::to_string(attributes), "", attributes);
    temp.Folder("data\\a", FILE_ATTRIBUTE_HIDDEN);
    temp.Folder("data\\a\\b");
    temp.Folder("data\\a\\b\\c");
    const std::string deep =
        temp.Write("data\\a\\b\\c\\deep.txt", "", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM);
    win32::UniqueFile holder = HoldOpen(deep, 0);
    EXPECT_EQ(DeleteFolderTree(files, temp.Path("data")), kErrPermissionDenied);
    EXPECT_TRUE(Exists(deep));
    EXPECT_FALSE(Exists(temp.Path("data\\file1")));
    holder.reset();
    EXPECT_EQ(DeleteFolderTree(files, " " + temp.Path("data\\ ")), 0);
    EXPECT_FALSE(Exists(temp.Path("data")));
}

TEST_P(TreeRemoval, StaysInsideTheTree) {
    // Windows refuses a path of 260 characters or more without \\?\ (Wine does not): the removal fails
    // there or goes on down, and touches nothing outside.
    temp.Folder("data");
    std::wstring deep = L"\\\\?\\" + win32::Wide(temp.Path("data"));
    for (const wchar_t letter : {L'x', L'y', L'z'})
        ASSERT_TRUE(::CreateDirectoryW((deep += L"\\" + std::wstring(100, letter)).c_str(), nullptr));
    temp.Write("outside.txt");
    EXPECT_TRUE(DeleteFolderTree(files, temp.Path("data")) != 0 || !Exists(temp.Path("data")));
    EXPECT_TRUE(Exists(temp.Path("outside.txt")));
    for (int level = 0; level < 3; ++level, deep.erase(deep.find_last_of(L'\\')))
        ::RemoveDirectoryW(deep.c_str());

    // Directory links made from the Linux side beside this program: tree\link and toplink lead to target.
    const std::string links = ProgramFolder() + "link-fixture\\";
    ASSERT_NE(::GetFileAttributesA((links + "tree\\link").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT, 0u);
    const std::int32_t status = DeleteFolderTree(files, links + "tree");
    DeleteFolderTree(files, links + "toplink");
    EXPECT_TRUE(Exists(links + "target\\canary.txt"));
    // Windows removes a link itself; Wine refuses to, and that is a failed step.
    EXPECT_EQ(status == 0, !Exists(links + "tree"));
    EXPECT_NE(status, -1);
}

using Names = std::set<std::string>;
using platform::ListMask;

TEST(Win32FileSystem, ListsWhatTheMaskAdmits) {
    TempFolder temp;
    temp.Folder("dir");
    temp.Write("dir\\plain.cfg");
    temp.Write("dir\\hidden.cfg", "", FILE_ATTRIBUTE_HIDDEN);
    temp.Write("dir\\system.cfg", "", FILE_ATTRIBUTE_SYSTEM);
    temp.Folder("dir\\folder.cfg");
    win32::Win32FileSystem files;
    const auto listed = [&files](const std::string& pattern, ListMask mask) {
        Names names;
        for (std::string name = files.ListFirst(pattern, mask); !name.empty(); name = files.ListNext())
            names.insert(name);
        return names;
    };
    EXPECT_EQ(listed("dir\\", ListMask::kNormal), (Names{"plain.cfg"}));
    EXPECT_EQ(listed("dir\\*.*", ListMask::kDirectories), (Names{".", "..", "plain.cfg", "folder.cfg"}));
    EXPECT_EQ(listed("dir\\*.*", ListMask::kEverything),
              (Names{".", "..", "plain.cfg", "folder.cfg", "hidden.cfg", "system.cfg"}));
    // One name: present only where the mask admits it; a missing one, or a "folder" that is a file, lists
    // nothing.
    EXPECT_EQ(listed("dir\\plain.cfg", ListMask::kNormal), (Names{"plain.cfg"}));
    EXPECT_EQ(listed("dir\\hidden.cfg", ListMask::kDirectories), Names{});
    EXPECT_EQ(listed("dir\\folder.cfg", ListMask::kNormal), Names{});
    EXPECT_EQ(listed("dir\\folder.cfg", ListMask::kDirectories), (Names{"folder.cfg"}));
    EXPECT_EQ(listed("missing\\", ListMask::kNormal), Names{});
    EXPECT_EQ(listed("dir\\plain.cfg\\", ListMask::kNormal), Names{});
}

TEST(Win32FileSystem, ReadsAttributesAfterAResetAndFilesOthersWriteButNotLock) {
    TempFolder temp;
    const std::string path =
        temp.Write("held.txt", "one\r\ntwo", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    win32::Win32FileSystem files;
    // The entry just listed is answered from the listing, once: later reads, after a reset of the launcher's
    // own or of another program's, see the file as it is.
    const DWORD kHidden = platform::kAttrHidden;
    for (const bool own_reset : {true, false}) {
        ASSERT_EQ(files.ListFirst(path, ListMask::kEverything), "held.txt");
        EXPECT_EQ(files.ReadAttributes(path) & kHidden, kHidden);
        own_reset ? files.ResetAttributes(path)
                  : void(::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL));
        EXPECT_EQ(files.ReadAttributes(path) & (kHidden | platform::kAttrReadOnly), 0u);
        ::SetFileAttributesA(path.c_str(), kHidden);
    }

    {
        const win32::UniqueFile writer = HoldOpen(path, FILE_SHARE_READ);
        char bytes[16] = {};
        EXPECT_EQ(std::string(bytes, files.OpenForInput(path)->ReadSome(bytes)), "one\r\ntwo");
    }
    // (Deleting a locked file fails with the same error: the tree removal's test holds one.)
    const win32::UniqueFile holder = HoldOpen(path, 0);
    try {
        files.OpenForInput(path);
        ADD_FAILURE() << "a locked file was opened";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), kErrPermissionDenied);
    }
}

TEST(LaterCalls, WindowsSevenHasThemAndTheCountWithoutGetTickCount64FollowsGetTickCount) {
    const platform::LaterCalls present = win32::PresentLaterCalls();
    EXPECT_TRUE(present.file_information_by_handle && present.tick_count_64);
    const DWORD before = ::GetTickCount();
    const std::uint64_t first = win32::TickCount64({.tick_count_64 = false});
    const std::uint64_t second = win32::TickCount64({.tick_count_64 = false});
    const DWORD after = ::GetTickCount();
    EXPECT_LE(first, second);
    EXPECT_LE(static_cast<DWORD>(second) - before, after - before) << before << " " << second << " " << after;
}

// Wine's XInput reads the pads on a thread of its own from the first look for a pad on; unloading the DLL
// with the launcher's window pulled the code from under that thread, which crashed the process.
TEST(XInputPads, StaysLoadedAfterThePadsAreLookedForAndTheObjectIsGone) {
    const wchar_t* library = nullptr;
    {
        win32::XInputPads pads;
        library = pads.Library();
        ASSERT_NE(library, nullptr) << "the test prefix has XInput";
        pads.FirstConnected();
    }
    EXPECT_NE(::GetModuleHandleW(library), nullptr);
}

// The built launcher's icon and version record, as Windows reads them from the executable.
TEST(LauncherExecutable, HoldsOneIconAndAUsEnglishVersionRecord) {
    std::wstring exe = L"" VEXAR_LAUNCHER_EXE;
    if (exe[0] == L'/') exe = L"Z:" + exe;  // a cross build's path: Wine's drive Z: is the Linux root
    std::replace(exe.begin(), exe.end(), L'/', L'\\');
    const HMODULE module =
        ::LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    const auto data = [module](int id, int type) {  // (RT_ICON is 3, RT_GROUP_ICON 14)
        const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(type));
        return static_cast<const BYTE*>(::LockResource(::LoadResource(module, found)));
    };
    // The window's icon group: three words, the last its count, then 14-byte entries ending in the icon's id.
    const BYTE* group = data(VEXAR_IDI_PROGRAM, 14);
    const auto* icon = reinterpret_cast<const BITMAPINFOHEADER*>(group ? data(group[18], 3) : nullptr);
    std::vector<BYTE> record(::GetFileVersionInfoSizeW(exe.c_str(), nullptr));
    ASSERT_TRUE(icon && ::GetFileVersionInfoW(exe.c_str(), 0, DWORD(record.size()), record.data()));
    wchar_t icons[64] = {}, text[64] = {};
    std::swprintf(icons, 64, L"%u group of %u: %ld x %ld, %u bits",
                  ::ExtractIconExW(exe.c_str(), -1, nullptr, nullptr, 0), group[4], icon->biWidth,
                  icon->biHeight / 2, icon->biBitCount);
    // A row's value: the icons; a value of the record by its path; a text of its US English block by name.
    const auto value = [&](std::wstring path) -> std::wstring {
        if (path == L"icons") return icons;
        if (path[0] != L'\\') path = L"\\StringFileInfo\\040904B0\\" + path;
        void* at = nullptr;
        UINT length = 0;
        if (!::VerQueryValueW(record.data(), path.c_str(), &at, &length) || length == 0) return L"none";
        const WORD* w = static_cast<const WORD*>(at);  // the fixed part's versions: minor word first
        if (path == L"\\")
            std::swprintf(text, 64, L"%u.%u.%u.%u %u.%u.%u.%u", w[5], w[4], w[7], w[6], w[9], w[8], w[11],
                          w[10]);
        if (path == L"\\VarFileInfo\\Translation") std::swprintf(text, 64, L"%04X%04X", w[0], w[1]);
        return path.starts_with(L"\\StringFileInfo") ? static_cast<const wchar_t*>(at) : text;
    };
    // clang-format off
    const std::pair<std::wstring, std::wstring> design[] = {
        {L"icons", L"1 group of 1: 48 x 48, 8 bits"}, {L"\\", L"1.0.0.0 1.0.0.0"},
        {L"\\VarFileInfo\\Translation", L"040904B0"}, {L"CompanyName", L"."}, {L"ProductName", L"VexarLaunch"},
        {L"FileVersion", L"1.00"}, {L"ProductVersion", L"1.00"}, {L"InternalName", L"VexarLauncher"},
        {L"OriginalFilename", L"VexarLauncher.exe"}};
    // clang-format on
    for (const auto& [path, expected] : design) EXPECT_EQ(value(path), expected) << path;
    ::FreeLibrary(module);
}

}  // namespace
}  // namespace vexar::testing
