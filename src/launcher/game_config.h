#pragma once
// The game configuration file: nine lines in the configuration folder, a marker line and eight labelled
// values. Parses a file's lines for the game list or in full; what a failed read means is the caller's.

#include <memory>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "platform/text_file.h"

namespace vexar {

// The first 15 characters of a valid configuration file's first line.
inline constexpr std::string_view kConfigMarker = "LABELVEXARLNCH]";
// Every value line begins with a label of this many characters.
inline constexpr std::size_t kLabelLength = 15;

// The current game: the values of lines 3 to 9 of the most recently read configuration file.
struct GameConfig {
    std::string strNotes;
    std::string strStartLocation;
    std::string strLaunchFile;
    std::string strDefaultParams;
    std::string strHDParams;
    std::string strCDPrelaunch;
    std::string strCDParams;

    friend bool operator==(const GameConfig&, const GameConfig&) = default;
};

// Returns the value of a value line, everything after its 15-character label (characters, not bytes);
// raises 5 when the line is shorter.
std::string ExtractValue(std::string_view line);

// Returns true when the first 15 characters of `line` are the marker (case-sensitive).
bool HasMarker(std::string_view line);

// Returns the list entry for an invalid file: "Invalid Config (" + name + ")".
std::string InvalidEntryText(std::string_view name);

// Returns true when `text` begins with "Invalid Config", as the entries of broken files do.
bool StartsWithInvalidPrefix(std::string_view text);

// Every error the parsers below raise names the line it is about (RuntimeError::line): for 62 the first
// missing line, for 5 the short line.

// Returns the list entry of file `name` from its first two lines: the title of line 2, or the
// invalid-entry text when the marker is wrong. Raises 62 when the lines end before line 2, 5 when line 2
// is shorter than 15 characters.
std::string ParseListEntry(platform::LineReader& lines, std::string_view name);

// Reads lines 3 to 9 into `game` from `lines`, which reads on from line 3, one field after another: a
// failure part-way leaves the fields read so far updated (the short line itself in the field it failed
// on) and raises 62 or 5.
void ParseGameValues(platform::LineReader& lines, GameConfig& game);

// Reads a whole file's lines: lines 1 and 2 are passed over, then ParseGameValues.
void ParseGame(platform::LineReader& lines, GameConfig& game);

// Opens `folder` + `name` for reading its lines, in the encoding its bytes say (game files without a
// Unicode form are in the ANSI code page `codec`); raises the file system's error when it cannot.
std::unique_ptr<platform::TextFile> OpenConfig(platform::FileSystem& files, const platform::TextCodec& codec,
                                               std::string_view folder, std::string_view name);

// Reads `folder` + `name` in full into `game` (ParseGame); raises its errors, or the file system's when
// the file cannot be opened.
void FullRead(platform::FileSystem& files, const platform::TextCodec& codec, std::string_view folder,
              std::string_view name, GameConfig& game);

}  // namespace vexar
