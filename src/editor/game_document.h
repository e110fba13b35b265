#pragma once
// A game file as the editor holds it: the file's own lines with their terminators, the encoding and line
// ends it came in, and the eight values it edits. Turning the document back into bytes rewrites only the
// lines whose value changed; everything else - the marker line as written, each line's own label, the
// lines after the ninth, the terminators, a final line without one - comes back byte for byte. Where the
// bytes come from and go to is the save plan's (editor/save_plan.h).

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "platform/text_file.h"

namespace vexar::editor {

// Bytes held in memory, read front to back as a file's (the bytes outlive the source).
class MemorySource final : public platform::ByteSource {
public:
    explicit MemorySource(std::string_view bytes) : rest_(bytes) {}
    // Copies the next bytes into `out`; returns how many, 0 at the end.
    std::size_t ReadSome(std::span<char> out) override;

private:
    std::string_view rest_;
};

// The values the editor edits, in the order of the lines that hold them (line 2 to line 9).
enum class Field {
    kTitle,
    kNotes,
    kStartLocation,
    kLaunchFile,
    kDefaultParams,
    kHDParams,
    kCDPrelaunch,
    kCDParams,
};
inline constexpr int kFieldCount = 8;

// Returns the line (from 1) of the game file that holds `field`.
constexpr int FieldLine(Field field) {
    return static_cast<int>(field) + 2;
}

enum class LineEnd { kCrLf, kLf, kCr };

// The bytes of a document in its encoding, or what stops them.
struct Encoded {
    std::string bytes;
    // The characters (UTF-8, each once, in order) that the encoding cannot hold; when any, `bytes` is
    // empty and nothing may be written.
    std::string lacking;
};

class GameDocument {
public:
    // A new game file: the marker line, the labels "Game Title:    ", "Notes:         ", "Start Location:",
    // "Launch File:   ", "Default Params:", "HD Params:     ", "CD Prelaunch:  ", "CD Params:     " with
    // empty values, UTF-8 without a byte-order mark, CR LF after every line.
    static GameDocument New();
    // The document of an existing file's `bytes`, decoded as the launcher's reader decodes them (`codec`
    // is the ANSI code page). Never fails: a file with fewer than nine lines, short lines or a wrong
    // marker is held as it is, its missing values empty; Encode() adds what a complete file needs.
    static GameDocument FromBytes(std::string_view bytes, const platform::TextCodec& codec);

    // Returns the value of `field` (UTF-8).
    const std::string& Value(Field field) const;
    // Sets the value of `field`; the line is rewritten on Encode() only when it differs from the file's.
    void SetValue(Field field, std::string value);
    // True when any value differs from the file's (or the encoding was changed).
    bool Changed() const;

    // The encoding the launcher's reader found (a file of ASCII only reads as ANSI; a new one is UTF-8).
    platform::Encoding encoding() const { return encoding_; }
    // Makes the document's bytes UTF-8 without a mark from now on (offered when ANSI cannot hold a value).
    void UseUtf8();
    // The line end of the lines Encode() adds: the file's first one (CR LF when it has none).
    LineEnd line_end() const { return line_end_; }

    // The document's bytes: the file's own bytes when nothing changed; otherwise every changed line as its
    // own 15-character label (the manual's label for a line the file lacked) followed by the value, in
    // the document's encoding and line end, and what a complete file needs added: a missing marker line,
    // the missing lines up to the ninth, and blanks up to the label's length on a shorter value line. A
    // final line without a terminator stays without one. After UseUtf8() every line is written anew in
    // UTF-8, each with its own line end.
    Encoded Encode(const platform::TextCodec& codec) const;

    // Makes `bytes`, just saved, the document's file: its values are the saved ones from now on (`codec`
    // is the ANSI code page). A text that is ASCII keeps the document's encoding.
    void MarkSaved(std::string_view bytes, const platform::TextCodec& codec);

private:
    struct Line {
        std::string bytes;           // the line's bytes as in the file, without its terminator
        std::optional<LineEnd> end;  // its terminator; none for a last line without one
    };
    std::vector<Line> lines_;
    // Each line as the launcher's reader gives it (UTF-8), up to the end of what the reader reads.
    std::vector<std::string> texts_;
    std::array<std::string, kFieldCount> saved_{};
    std::array<std::string, kFieldCount> values_{};
    platform::Encoding encoding_ = platform::Encoding::kUtf8;
    bool encoding_changed_ = false;
    LineEnd line_end_ = LineEnd::kCrLf;
    std::string original_;
};

// Why a value may not be saved, or nothing when it may. Format errors only: a line break (CR or LF) or a
// NUL in any value; an empty title; a title beginning with "Invalid Config".
std::optional<std::string> RefusalOf(Field field, std::string_view value);

}  // namespace vexar::editor
