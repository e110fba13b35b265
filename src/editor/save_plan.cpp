#include "editor/save_plan.h"

#include <algorithm>
#include <array>
#include <memory>

#include "editor/editor_paths.h"
#include "launcher/game_config.h"
#include "platform/utf.h"

namespace vexar::editor {

namespace {

using platform::Encoding;

// All the bytes of the file `path`.
std::string ReadAll(platform::FileSystem& files, std::string_view path) {
    const std::unique_ptr<platform::ByteSource> source = files.OpenForInput(path);
    std::string bytes;
    char block[4096];
    for (std::size_t got; (got = source->ReadSome(block)) != 0;) bytes.append(block, got);
    return bytes;
}

// The stamp of the file `path`, or none when there is no such file.
std::optional<platform::FileStamp> StampOf(platform::FileWriter& writer, std::string_view path) {
    try {
        return writer.Stamp(path);
    } catch (const RuntimeError& error) {
        if (error.number() != kErrFileNotFound) throw;
        return std::nullopt;
    }
}

// True when something is at `path`.
bool Exists(platform::FileSystem& files, std::string_view path) {
    try {
        files.ReadAttributes(path);
        return true;
    } catch (const RuntimeError& error) {
        if (error.number() != kErrFileNotFound && error.number() != kErrPathNotFound) throw;
        return false;
    }
}

// The title and the seven values as the launcher reads them, and the encoding it reads them in.
struct Reading {
    std::array<std::string, kFieldCount> values;
    Encoding encoding;
};

// Reads `folder` + `name` with the launcher's own reader, line by line as its list and full reads do; a
// line the file lacks, or one shorter than its label, reads as no value.
Reading ReadBack(platform::FileSystem& files, const platform::TextCodec& codec, std::string_view folder,
                 std::string_view name) {
    const std::unique_ptr<platform::TextFile> lines = OpenConfig(files, codec, folder, name);
    Reading reading{{}, lines->encoding()};
    try {
        lines->ReadLine();
        for (std::string& value : reading.values) {
            const std::string line = lines->ReadLine();
            if (utf::OffsetOfCharacter(line, kLabelLength) != std::string::npos) value = ExtractValue(line);
        }
    } catch (const RuntimeError& error) {
        if (error.number() != kErrPastEndOfFile) throw;
    }
    return reading;
}

// The first line whose value `reading` does not hold as `document` does; 0 when every one matches.
int DifferingLine(const Reading& reading, const GameDocument& document) {
    for (int i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        if (reading.values[static_cast<std::size_t>(i)] != document.Value(field)) return FieldLine(field);
    }
    return 0;
}

// A file that reads back other than it should, at line `line`.
struct Mismatch {
    int line;
};

}  // namespace

SaveResult Save(GameDocument& document, SaveTarget& target, Overwrite overwrite, platform::FileSystem& files,
                platform::FileWriter& writer, const platform::TextCodec& codec) {
    const std::string& name = target.name;
    for (int i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        if (auto refusal = RefusalOf(field, document.Value(field))) return {SaveOutcome::kRefused, *refusal};
    }
    if (auto refusal = FileNameRefusal(name)) return {SaveOutcome::kRefused, *refusal};
    const Encoded encoded = document.Encode(codec);
    if (!encoded.lacking.empty()) {
        return {SaveOutcome::kLacking, name +
                                           " is written in this computer's ANSI code page, which lacks these "
                                           "characters: " +
                                           utf::Spaced(encoded.lacking)};
    }
    const std::string path = target.folder + name;
    const std::string temporary_name = name + std::string(kTemporarySuffix);
    const std::string temporary = target.folder + temporary_name;
    const std::string writing = "writing the temporary file " + temporary_name;
    std::string step = "looking at the file";
    std::optional<std::string> original;  // the bytes of the file being replaced
    bool replaced = false;
    std::string reason;
    int number = 0;
    try {
        const std::optional<platform::FileStamp> now = StampOf(writer, path);
        if (target.stamp && now != target.stamp && overwrite == Overwrite::kIfUnchanged) {
            return {SaveOutcome::kChangedOnDisk, name + (now ? " was changed" : " was removed") +
                                                     " by another program since it was opened"};
        }
        if (!target.stamp && now) return {SaveOutcome::kExists, name + " exists already"};
        if (now && (files.ReadAttributes(path) & platform::kAttrReadOnly)) {
            return {
                SaveOutcome::kReadOnly,
                name +
                    " is read-only: it is not saved, and it stays read-only. Save it in the disc's source "
                    "folder, or clear its read-only attribute first."};
        }
        if (now) {
            step = "reading the file as it is";
            original = ReadAll(files, path);
        } else if (const std::string folder = target.folder.substr(0, target.folder.size() - 1);
                   !Exists(files, folder)) {
            // The first game of a new launcher folder makes its configuration folder.
            step = "making the folder " + folder;
            writer.MakeFolder(folder);
        }
        step = writing;
        writer.WriteWhole(temporary, encoded.bytes);
        step = "reading back the temporary file " + temporary_name;
        const Reading written = ReadBack(files, codec, target.folder, temporary_name);
        if (const int line = DifferingLine(written, document)) {
            if (document.encoding() != Encoding::kAnsi || written.encoding == Encoding::kAnsi)
                throw Mismatch{line};
            // Bytes of the code page that happen to be UTF-8 are read as UTF-8: the file cannot stay ANSI.
            files.DeleteFileAt(temporary, platform::AttributeReset::kNone);
            return {
                SaveOutcome::kLacking,
                name +
                    " is written in this computer's ANSI code page, in which the new text's bytes read as "
                    "UTF-8: the launcher would show other characters on line " +
                    std::to_string(line)};
        }
        step = original ? "replacing " + name : "giving the temporary file the name " + name;
        original ? writer.Replace(path, temporary) : writer.MoveNew(temporary, path);
        replaced = true;
        step = "reading back the saved " + name;
        const platform::FileStamp stamp = writer.Stamp(path);
        if (const int line = DifferingLine(ReadBack(files, codec, target.folder, name), document)) {
            throw Mismatch{line};
        }
        document.MarkSaved(encoded.bytes, codec);
        target.stamp = stamp;
        return {SaveOutcome::kSaved, {}};
    } catch (const Mismatch& mismatch) {
        reason = "line " + std::to_string(mismatch.line) + " reads back other than the editor shows it";
    } catch (...) {
        const RuntimeError error = TrappedError();
        number = error.number();
        reason = ErrorText(error);
    }
    // A saved file that does not read back as it should makes way for the original again, which is then
    // the file as the editor last saw it; so does a replacement that failed half-way and left no file
    // (Windows' one-step replace can remove the target and then fail to rename the replacement).
    std::string after = original ? "; the file is as it was" : "; no file is made";
    try {
        const bool gone = original && !StampOf(writer, path);
        if (original && (replaced || gone)) {
            writer.WriteWhole(temporary, *original);
            gone ? writer.MoveNew(temporary, path) : writer.Replace(path, temporary);
            target.stamp = writer.Stamp(path);
        } else if (replaced) {
            files.DeleteFileAt(path, platform::AttributeReset::kNone);
        }
    } catch (...) {
        after = "; putting the file back as it was failed too: " + ErrorText(TrappedError());
    }
    try {
        files.DeleteFileAt(temporary, platform::AttributeReset::kNone);
    } catch (...) {
        const RuntimeError error = TrappedError();
        if (error.number() != kErrFileNotFound) {
            after += "; the temporary file " + temporary_name + " stays: " + ErrorText(error);
        }
    }
    if (number == kErrFileExists && !original) return {SaveOutcome::kExists, name + " exists already"};
    if ((number == kErrPermissionDenied || number == kErrPathFileAccess) && step == writing) {
        return {SaveOutcome::kReadOnly, name +
                                            " is not saved: its folder cannot be written, as on a disc or a "
                                            "write-protected drive (" +
                                            step + ": " + reason + "). Save it in the disc's source folder."};
    }
    return {SaveOutcome::kFailed, name + " is not saved: " + step + ": " + reason + after};
}

GameDocument Load(platform::FileSystem& files, platform::FileWriter& writer, const platform::TextCodec& codec,
                  SaveTarget& target) {
    const std::string path = target.folder + target.name;
    // The stamp comes first: a change made while the file is read shows at the next save.
    const platform::FileStamp stamp = writer.Stamp(path);
    GameDocument document = GameDocument::FromBytes(ReadAll(files, path), codec);
    target.stamp = stamp;
    return document;
}

}  // namespace vexar::editor
