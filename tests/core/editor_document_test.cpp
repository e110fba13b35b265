// The editor's game document and save plan over the double: every file comes back byte for byte, a change
// rewrites its own line only, and a save that stops at any step leaves the file as it was and no temporary.
#include <gtest/gtest.h>

#include <filesystem>

#include "config_text.h"
#include "double/platform_double.h"
#include "editor/save_plan.h"

namespace vexar::testing {
namespace {

using editor::Field;
using editor::GameDocument;
using editor::SaveOutcome;
using platform::Encoding;

const Cp1252Codec kCodec;

// `text` (UTF-8) as a file's bytes in `form`.
std::string Saved(const std::string& text, Encoding form) {
    if (form == Encoding::kAnsi) return kCodec.FromUtf8(text).bytes;
    if (form != Encoding::kUtf16Le && form != Encoding::kUtf16Be)
        return (form == Encoding::kUtf8Mark ? "\xEF\xBB\xBF" : "") + text;
    std::string bytes = form == Encoding::kUtf16Le ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : utf::ToUtf16(text, utf::LoneSurrogate::kKeep)) {
        const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
        bytes += form == Encoding::kUtf16Le ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

// Every line of `bytes` as the launcher's reader gives it.
std::vector<std::string> Lines(const std::string& bytes) {
    platform::TextFile file(std::make_unique<StringSource>(bytes), kCodec);
    std::vector<std::string> lines;
    try {
        for (;;) lines.push_back(file.ReadLine());
    } catch (const RuntimeError&) {
    }
    return lines;
}

// `text` with each `from` replaced by `to`, the first `count` of them.
std::string With(std::string text, const std::string& from, const std::string& to, int count = 1) {
    for (std::size_t at = 0; count-- > 0 && (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

const std::string kNew = "-new \xC3\xA9";  // the hard-drive parameters a change writes: "-new é"
const std::string kNine = ConfigText({"Game Title:    Caf\xC3\xA9", "Notes:         Old notes",
                                      "Start Location:G", "Launch File:   x.exe", "Default Params:-a",
                                      "HD Params:     -hd", "CD Prelaunch:  ", "CD Params:     -cd"});
const std::string kManual =
    ConfigText({"Game Title:    ", "Notes:         ", "Start Location:", "Launch File:   ", "Default Params:",
                "HD Params:     ", "CD Prelaunch:  ", "CD Params:     "});

struct RoundTrip {
    std::string label, bytes;
    std::string changed = {};  // the bytes after the change, where more than line 7 changes
};

TEST(GameDocument, GivesBackEveryByteAndRewritesOnlyTheChangedLine) {
    const std::string changed = With(kNine, "-hd", kNew),
                      mixed = With(With(kNine, "\r\n", "\n"), "\r\n", "\r");
    // clang-format off
    std::vector<RoundTrip> rows = {
        {"ANSI with high bytes", Saved(kNine, Encoding::kAnsi)}, {"UTF-8", Saved(kNine, Encoding::kUtf8)},
        {"UTF-8 after its mark", Saved(kNine, Encoding::kUtf8Mark)},
        {"UTF-16 LE", Saved(kNine + "Tenth \xE3\x82\xB2", Encoding::kUtf16Le)},
        {"UTF-16 BE", Saved(kNine, Encoding::kUtf16Be)}, {"LF", With(kNine, "\r\n", "\n", 9)},
        {"CR", Saved(With(kNine, "\r\n", "\r", 9), Encoding::kAnsi)},
        {"mixed, no final line end", mixed.substr(0, mixed.size() - 2)},
        {"text after the marker", Saved(With(kNine, "]", "] by hand"), Encoding::kAnsi)},
        {"lines 10 and later", Saved(kNine + "Tenth \xC3\xA9\r\n\r\nTwelfth\r", Encoding::kAnsi)},
        {"short lines", With(kNine, "CD Prelaunch:  ", "CD Prelaunch:"), changed},
        {"eight lines", kNine.substr(0, kNine.find("CD Params")), With(changed, "-cd", "")},
        {"no line", "", Saved(With(kManual, "HD Params:     ", "HD Params:     " + kNew), Encoding::kAnsi)}};
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
        const std::string old_value = document.Value(Field::kHDParams);
        document.SetValue(Field::kHDParams, kNew);
        const std::string bytes = document.Encode(kCodec).bytes;
        if (!row.changed.empty()) {
            EXPECT_EQ(bytes, row.changed);
            continue;
        }
        std::vector<std::string> lines = Lines(row.bytes);
        if (lines.size() < 9 ||
            std::any_of(lines.begin() + 1, lines.begin() + 9, [](const std::string& line) {
                return utf::OffsetOfCharacter(line, 15) == std::string::npos;
            }))
            continue;  // a broken example: a row above has its kind
        lines[6] = lines[6].substr(0, 15) + kNew;
        EXPECT_EQ(Lines(bytes), lines);
        // Only line 7 differs: writing its old value back into the new bytes gives the file's own.
        GameDocument back = GameDocument::FromBytes(bytes, kCodec);
        back.SetValue(Field::kHDParams, old_value);
        EXPECT_EQ(back.Encode(kCodec).bytes, row.bytes);
    }
}

using Step = std::function<void(FakeFileSystem&, GameDocument&, editor::SaveTarget&)>;

// Sets `field` to `value`, then makes the document UTF-8 when `utf8`.
Step Set(Field field, std::string value, bool utf8 = false) {
    return [=](FakeFileSystem&, GameDocument& document, editor::SaveTarget&) {
        document.SetValue(field, value);
        if (utf8) document.UseUtf8();
    };
}
Step Named(std::string name) {
    return [=](FakeFileSystem&, GameDocument&, editor::SaveTarget& target) { target.name = name; };
}
// Makes call `count` of `operation` on a path ending in `end` raise `number`; with 0, the file is changed
// just before instead.
Step Fault(std::string operation, std::string end, int count, int number) {
    return [=](FakeFileSystem& files, GameDocument&, editor::SaveTarget&) {
        files.before = [=, &files, calls = 0](std::string_view op, std::string_view path) mutable {
            if (op != operation || !path.ends_with(end) || ++calls != count) return;
            number != 0 ? Raise(number) : files.AddFile(std::string(path), "other");
        };
    };
}
Step Change(std::string bytes, std::uint32_t attributes = 0) {
    return [=](FakeFileSystem& files, GameDocument&, editor::SaveTarget&) {
        files.AddFile("Configs\\game.cfg", bytes, attributes);
    };
}

struct SaveCase {
    std::string label;
    bool existing;  // Configs\game.cfg holds kNine in ANSI and is opened; otherwise a new game is saved
    Step step;      // what happens before the save (all saves change the hard-drive parameters)
    SaveOutcome outcome;
    std::string message;  // a part of the message
    std::optional<std::string> after =
        {};  // the file's bytes afterwards, when not the saved or the first ones
    editor::Overwrite overwrite = editor::Overwrite::kIfUnchanged;
};

TEST(SavePlan, SavesOrLeavesTheFileAsItWasAndNoTemporary) {
    const std::string file = Saved(kNine, Encoding::kAnsi);
    using enum SaveOutcome;
    // clang-format off
    const SaveCase rows[] = {
        {"a changed value", true, {}, kSaved, ""}, {"a new game", false, {}, kSaved, ""},
        {"writing the temporary fails", true, Fault("WriteWhole", "~vexedit", 1, kErrDiskFull), kFailed,
         "game.cfg is not saved: writing the temporary file game.cfg.~vexedit: 61 Disk full; the file is as it was"},
        {"a read-only medium", true, Fault("WriteWhole", "~vexedit", 1, kErrPermissionDenied), kReadOnly, "disc"},
        {"the temporary does not read", true, Fault("OpenForInput", "~vexedit", 1, kErrDeviceIo), kFailed,
         "reading back the temporary file game.cfg.~vexedit: 57 Device I/O error; the file is as it was"},
        {"the temporary reads back wrong", true, Fault("OpenForInput", "~vexedit", 1, 0), kFailed,
         "line 2 reads back other than the editor shows it"},
        {"replacing fails", true, Fault("Replace", "game.cfg", 1, kErrPermissionDenied), kFailed,
         "replacing game.cfg: 70 Permission denied; the file is as it was"},
        {"the saved file does not read", true, Fault("OpenForInput", "game.cfg", 2, kErrDeviceIo), kFailed,
         "reading back the saved game.cfg: 57 Device I/O error; the file is as it was"},
        {"the saved file reads back wrong", true, Fault("OpenForInput", "game.cfg", 2, 0), kFailed, "line 2"},
        {"a new file reads back wrong", false, Fault("OpenForInput", "game.cfg", 1, 0), kFailed, "no file is made",
         "none"},
        {"changed on disk", true, Change("mine"), kChangedOnDisk, "changed by another program", "mine"},
        {"overwritten anyway", true, Change("mine"), kSaved, "", {}, editor::Overwrite::kAnyway},
        {"a read-only file", true, Change(file, platform::kAttrReadOnly), kReadOnly, "it stays read-only"},
        {"a new game's name is taken", false, Change("mine"), kExists, "exists", "mine"},
        {"and while saving", false, Fault("MoveNew", "game.cfg", 1, kErrFileExists), kExists, "exists", "none"},
        {"a line break", true, Set(Field::kNotes, "a\nb"), kRefused, "a line break in the notes"},
        {"a NUL", true, Set(Field::kCDParams, std::string(1, '\0')), kRefused, "NUL character in the CD"},
        {"no title", true, Set(Field::kTitle, ""), kRefused, "The title is empty"},
        {"a broken file's title", true, Set(Field::kTitle, "Invalid Config (x)"), kRefused, "Invalid Config"},
        {"a name not in .cfg", true, Named("game.CFG"), kRefused, "\"game.CFG\" does not end in \".cfg\""},
        {"a device's name", true, Named("Com1 .cfg"), kRefused, "names the device com1"},
        {"a character Windows refuses", true, Named("a?.cfg"), kRefused, "no file name may hold"},
        {"characters ANSI lacks", true, Set(Field::kNotes, "\xE3\x82\xB2\xE3\x83\xBC"), kLacking, "characters: ゲ ー"},
        {"as UTF-8", true, Set(Field::kNotes, "\xE3\x82\xB2\xE3\x83\xBC", true), kSaved, ""},
        {"ANSI that reads as UTF-8", true, Set(Field::kTitle, "\xC3\x83\xC2\xA9"), kLacking, "read as UTF-8"},
        {"as UTF-8", true, Set(Field::kTitle, "\xC3\x83\xC2\xA9", true), kSaved, ""}};
    // clang-format on
    for (const SaveCase& row : rows) {
        SCOPED_TRACE(row.label);
        FakeFileSystem files;
        editor::SaveTarget target{"Configs\\", "game.cfg", {}};
        GameDocument document = GameDocument::New();
        document.SetValue(Field::kTitle, "Game");
        if (row.existing) {
            files.AddFile("Configs\\game.cfg", file);
            document = editor::Load(files, files, kCodec, target);
        }
        document.SetValue(Field::kHDParams, "-new");
        if (row.step) row.step(files, document, target);
        const std::string bytes = document.Encode(kCodec).bytes;
        const editor::SaveResult result = editor::Save(document, target, row.overwrite, files, files, kCodec);
        files.before = nullptr;
        EXPECT_EQ(result.outcome, row.outcome);
        EXPECT_NE(result.message.find(row.message), std::string::npos) << result.message;
        const std::string path = "Configs\\game.cfg", before = row.existing ? file : "none";
        EXPECT_EQ(files.Exists(path) ? files.Content(path) : "none",
                  row.after.value_or(row.outcome == kSaved ? bytes : before));
        EXPECT_FALSE(files.Exists("Configs\\" + target.name + ".~vexedit"));
        EXPECT_EQ(document.Changed(), row.outcome != kSaved);
        if (row.outcome == kSaved) {
            EXPECT_EQ(target.stamp, files.Stamp(path));
        }
    }
}

}  // namespace
}  // namespace vexar::testing
