// The editor's game document and save plan over the double: every file comes back byte for byte, a change
// rewrites its own line only, and a save that stops at any step leaves the file as it was and no temporary.
#include <gtest/gtest.h>

#include <filesystem>

#include "config_text.h"
#include "double/platform_double.h"
#include "editor/save_plan.h"
#include "launcher/game_config.h"

namespace vexar::testing {
namespace {

using editor::Field;
using editor::GameDocument;

const Cp1252Codec kCodec;
const std::string kNew = "-new \xC3\xA9";  // the CD parameters a change writes: "-new é"
const std::string kNine = ConfigText({"Game Title:    Caf\xC3\xA9", "Notes:         Old notes",
                                      "Start Location:G", "Launch File:   x.exe", "Default Params:-a",
                                      "HD-Parameter:  -hd", "CD Prelaunch:  ", "CD Params:     -cd"});
const std::string kManual =
    ConfigText({"Game Title:    ", "Notes:         ", "Start Location:", "Launch File:   ", "Default Params:",
                "HD Params:     ", "CD Prelaunch:  ", "CD Params:     "});

std::string Ansi(const std::string& text) {
    return kCodec.FromUtf8(text).bytes;
}
// `text` with its first `from` replaced by `to`.
std::string With(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

struct RoundTrip {
    std::string label, bytes;
    std::string changed = {};  // the bytes after the change, for a file that the change makes complete
};

TEST(GameDocument, GivesBackEveryByteAndRewritesOnlyTheChangedLine) {
    const std::string changed = With(kNine, "-cd", kNew),
                      mixed = With(With(kNine, "\r\n", "\n"), "\r\n", "\r");
    // clang-format off
    std::vector<RoundTrip> rows = {  // the example set below holds every encoding, a file of each
        {"CR, LF, CR LF and no final line end", mixed.substr(0, mixed.size() - 2)},
        {"CR, LF, CR LF and a final CR", mixed.substr(0, mixed.size() - 1)},
        {"UTF-16, text after the marker, lines after the ninth",
         Saved(With(kNine, "]", "] by hand") + "Tenth\r\n\xE3\x82\xB2", Form::kUtf16Le)},
        {"UTF-16 ending in half a character", "\xFF\xFE" "a"},
        {"short lines", With(kNine, "CD Prelaunch:  ", "CD Prelaunch:"), changed},
        {"eight lines", kNine.substr(0, kNine.find("CD Params")), changed},
        {"no line", "", Ansi(With(kManual, "CD Params:     ", "CD Params:     " + kNew))}};
    // clang-format on
    for (const char* folder : {VEXAR_SOURCE_DIR "/examples/Configs", VEXAR_TEST_DATA "/launcher/Configs"}) {
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            rows.push_back({entry.path().filename().string(), *ReadBytes(entry.path())});
    }
    EXPECT_EQ(GameDocument::New().Encode(kCodec).bytes, kManual);
    for (const RoundTrip& row : rows) {
        SCOPED_TRACE(row.label);
        GameDocument document = GameDocument::FromBytes(row.bytes, kCodec);
        EXPECT_EQ(document.Encode(kCodec).bytes, row.bytes);
        const std::string old_value = document.Value(Field::kCDParams);
        document.SetValue(Field::kCDParams, kNew);
        const std::string bytes = document.Encode(kCodec).bytes;
        GameDocument back = GameDocument::FromBytes(bytes, kCodec);
        EXPECT_EQ(back.Value(Field::kCDParams), kNew);
        EXPECT_EQ(bytes, row.changed.empty() ? bytes : row.changed);
        GameConfig game;
        platform::TextFile lines(std::make_unique<StringSource>(row.bytes), kCodec);
        try {
            ParseListEntry(lines,
                           row.label);  // a file the launcher reads in full; a broken one has a row above
            ParseGameValues(lines, game);
        } catch (const RuntimeError&) {
            continue;
        }
        // Only line 9, the last, differs: its old value written back into the new bytes gives the file's own.
        back.SetValue(Field::kCDParams, old_value);
        EXPECT_EQ(back.Encode(kCodec).bytes, row.bytes);
    }
}

using Step = std::function<void(FakeFileSystem&, GameDocument&, editor::SaveTarget&)>;
const std::string kPath = "Configs\\game.cfg";

// Makes call `count` of `operation` on a path ending in `end` raise `number`; 0 changes the file instead.
Step Fault(std::string operation, std::string end, int count, int number) {
    return [=](FakeFileSystem& files, auto&, auto&) {
        files.before = [=, &files, calls = 0](std::string_view op, std::string_view path) mutable {
            if (op != operation || !path.ends_with(end) || ++calls != count) return;
            number != 0 ? Raise(number) : files.AddFile(std::string(path), "other");
        };
    };
}

struct SaveCase {
    std::string label;
    bool existing;  // game.cfg holds kNine in ANSI and is opened; otherwise a new game is saved as game.cfg
    Step step;      // what happens before the save, after `field` is set to `value`
    editor::SaveOutcome outcome;
    std::string message;  // a part of the message; game.cfg is then as saved, or as before the save
    Field field = Field::kHDParams;
    std::string value = "-new";
};

TEST(SavePlan, SavesOrLeavesTheFileAsItWasAndNoTemporary) {
    const Step mine = [](FakeFileSystem& files, auto&, auto&) { files.AddFile(kPath, "mine"); };
    const Step read_only = [](FakeFileSystem& files, auto&, auto&) {
        files.AddFile(kPath, Ansi(kNine), platform::kAttrReadOnly);
    };
    const Step half_replaced = [](FakeFileSystem& files, auto&, auto&) {
        files.before = [&files, done = false](std::string_view op, std::string_view path) mutable {
            if (op != "Replace" || std::exchange(done, true)) return;
            files.DeleteFileAt(path, platform::AttributeReset::kNone);
            Raise(kErrPathFileAccess);
        };
    };
    const auto named = [](std::string name) -> Step {
        return [=](auto&, auto&, auto& to) { to.name = name; };
    };
    using enum editor::SaveOutcome;
    // clang-format off
    const SaveCase rows[] = {
        {"a changed value", true, {}, kSaved, ""}, {"a new game", false, {}, kSaved, ""},
        {"writing the temporary fails", true, Fault("WriteWhole", "~vexedit", 1, kErrDiskFull), kFailed,
         "game.cfg is not saved: writing the temporary file game.cfg.~vexedit: 61 Disk full; the file is as it was"},
        {"a read-only medium", true, Fault("WriteWhole", "~vexedit", 1, kErrPermissionDenied), kReadOnly, "disc"},
        {"reading back the temporary", true, Fault("OpenForInput", "~vexedit", 1, kErrDeviceIo), kFailed, "57"},
        {"replacing fails", true, Fault("Replace", "game.cfg", 1, kErrPermissionDenied), kFailed, "replacing"},
        {"replacing fails with the file removed", true, half_replaced, kFailed, "the file is as it was"},
        {"reading back the saved file", true, Fault("OpenForInput", "game.cfg", 2, kErrDeviceIo), kFailed,
         "reading back the saved game.cfg: 57"},
        {"a new file reads back wrong", false, Fault("OpenForInput", "game.cfg", 1, 0), kFailed,
         "line 2 reads back other than the editor shows it; no file is made"},
        {"changed on disk", true, mine, kChangedOnDisk, "changed by another program"},
        {"a read-only file", true, read_only, kReadOnly, "it stays read-only"},
        {"a new game's name is taken", false, mine, kExists, "exists"},
        {"a line break", true, {}, kRefused, "a line break in the notes", Field::kNotes, "a\nb"},
        {"a NUL", true, {}, kRefused, "NUL character in the CD", Field::kCDParams, std::string(1, '\0')},
        {"no title", true, {}, kRefused, "The title is empty", Field::kTitle, ""},
        {"a broken file's title", true, {}, kRefused, "Invalid Config", Field::kTitle, "Invalid Config (x)"},
        {"a name not in .cfg", true, named("game.CFG"), kRefused, "\"game.CFG\" does not end in \".cfg\""},
        {"a device's name", true, named("Com1 .cfg"), kRefused, "names the device com1"},
        {"characters ANSI lacks", true, {}, kLacking, "characters: ゲ ー", Field::kNotes, "\xE3\x82\xB2\xE3\x83\xBC"},
        {"ANSI that reads as UTF-8", true, {}, kLacking, "read as UTF-8", Field::kTitle, "\xC3\x83\xC2\xA9"}};
    // clang-format on
    for (const SaveCase& row : rows) {
        SCOPED_TRACE(row.label);
        FakeFileSystem files;
        editor::SaveTarget target{"Configs\\", "game.cfg", {}};
        if (row.existing) files.AddFile(kPath, Ansi(kNine));
        GameDocument document =
            row.existing ? editor::Load(files, files, kCodec, target) : GameDocument::New();
        document.SetValue(Field::kTitle, row.existing ? document.Value(Field::kTitle) : "Game");
        document.SetValue(row.field, row.value);
        if (row.step) row.step(files, document, target);
        const std::string bytes = document.Encode(kCodec).bytes,
                          before = files.Exists(kPath) ? files.Content(kPath) : "";
        const editor::SaveResult result =
            editor::Save(document, target, editor::Overwrite::kIfUnchanged, files, files, kCodec);
        files.before = nullptr;
        EXPECT_EQ(result.outcome, row.outcome);
        EXPECT_NE(result.message.find(row.message), std::string::npos) << result.message;
        EXPECT_EQ(files.Exists(kPath) ? files.Content(kPath) : "", row.outcome == kSaved ? bytes : before);
        EXPECT_FALSE(files.Exists("Configs\\" + target.name + ".~vexedit"));
        EXPECT_TRUE(row.outcome != kSaved || row.existing || files.Exists("Configs")) << "the folder made";
        EXPECT_TRUE(row.outcome == kSaved ? target.stamp == files.Stamp(kPath) : document.Changed());
        if (row.outcome != kLacking && row.outcome != kChangedOnDisk) continue;
        if (row.outcome == kLacking) document.UseUtf8();  // as the user may choose: then it saves
        EXPECT_EQ(editor::Save(document, target, editor::Overwrite::kAnyway, files, files, kCodec).outcome,
                  kSaved);
    }
}

}  // namespace
}  // namespace vexar::testing
