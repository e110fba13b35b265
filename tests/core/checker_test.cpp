// VexarCheck's logic over the double: the launcher folder in e2e/data/launcher, with one example of every
// finding, gives the report in e2e/data/check_findings.txt, word for word.
#include <gtest/gtest.h>

#include "checker/launcher_folder_check.h"
#include "checker/read_only_files.h"
#include "config_text.h"
#include "double/platform_double.h"

namespace vexar::testing {
namespace {

// Windows' own folders, a search path folder ending in a backslash, an App Paths registration.
struct Folders : ShellFolders {
    std::vector<std::string> WindowsFolders() const override {
        return {"C:\\windows\\system32", "C:\\windows"};
    }
    std::vector<std::string> PathFolders() const override { return {"<work>\\OnPath\\"}; }
    std::string AppPath(std::string_view name) const override {
        return name == "vexar-registered.exe" ? "<work>\\Registered\\vexar-registered.exe" : "";
    }
};

TEST(CheckLauncherFolder, ReportsEveryFindingInTheLaunchersWords) {
    FakePlatform fakes;
    const std::filesystem::path data = VEXAR_TEST_DATA, root = data / "launcher";
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        std::string path = entry.path().lexically_relative(root).string();
        std::replace(path.begin(), path.end(), '/', '\\');
        entry.is_directory() ? fakes.files.AddFolder(path)
                             : fakes.files.AddFile(path, *ReadBytes(entry.path()));
    }
    // What git cannot hold: attributes, an empty folder; and the programs outside the launcher folder.
    for (const char* hidden : {"IsCD.txt", "Configs\\Hidden.cfg"})
        fakes.files.AddFile(hidden, "", platform::kAttrHidden);
    fakes.files.AddFolder("Configs\\Folder.cfg");
    for (const char* program : {"<work>\\OnPath\\pathonly.exe", "<work>\\Registered\\vexar-registered.exe",
                                "C:\\windows\\system32\\hostname.exe"})
        fakes.files.AddFile(program);
    CheckReport report = CheckLauncherFolder(fakes.files, fakes.codec, Folders{});
    // The computer's gamepad support comes last, as Wine's prefix has it: XInput 1.4.
    report.findings.push_back(GamepadNote("C:\\windows\\system32\\xinput1_4.dll"));
    std::string shown;
    for (const Finding& finding : report.findings) shown += FormatFinding(finding) + "\r\n";
    EXPECT_EQ(shown + FormatSummary(report) + "\r\n", ReadBytes(data / "check_findings.txt"));
    // A folder without game files: its one problem is enough to fail the check, and nothing is written.
    FakePlatform empty;
    const CheckReport one = CheckLauncherFolder(empty.files, empty.codec, Folders{});
    EXPECT_EQ(one.Problems(), 1) << "a missing Title.cfg that cannot be made is no problem";
    EXPECT_EQ(one.ExitStatus(), 1);
    EXPECT_EQ(CheckReport{}.ExitStatus(), 0);
    EXPECT_FALSE(empty.files.Exists("Title.cfg"));
    // A configuration folder that cannot be listed: the launcher's box, after the folder's own state.
    empty.files.FailOn("Configs\\", kErrPermissionDenied);
    EXPECT_EQ(
        FormatFinding(CheckLauncherFolder(empty.files, empty.codec, Folders{}).findings.at(3)),
        "Configs\\: error: at start the launcher shows the box \"70 Permission denied in SortedFiles\"");
    ReadOnlyFiles read_only(fakes.files);
    EXPECT_THROW(read_only.DeleteFileAt("Title.cfg", platform::AttributeReset::kNone), RuntimeError);
    EXPECT_THROW(read_only.ResetAttributes("Title.cfg"), RuntimeError);
    EXPECT_THROW(read_only.RemoveEmptyDirectory("Games\\Clean"), RuntimeError);
}

TEST(ProgramSearch, TakesANameWithADriveOrALeadingBackslashAsGiven) {
    for (const auto& [name, as_given] : {std::pair{"C:game.exe", true},
                                         {"z:", true},
                                         {"1:game.exe", false},
                                         {"\\game.exe", true},
                                         {"game.exe", false},
                                         {"", false}}) {
        EXPECT_EQ(ProgramSearch::TakenAsGiven(name), as_given) << name;
    }
}

}  // namespace
}  // namespace vexar::testing
