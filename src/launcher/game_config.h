#pragma once
// The game configuration file: nine lines in Configs\, a marker line and eight labelled values.
// Reads a file for the game list or in full; what a failed read means is the caller's to decide.

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace vexar {

// The folder that holds the configuration files, relative to the current directory.
inline constexpr std::string_view kConfigFolder = "Configs\\";
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

// The value of a value line: everything after its 15-character label; raises 5 when the line is shorter.
std::string ExtractValue(std::string_view line);

// True when the first 15 characters of `line` are the marker (case-sensitive).
bool HasMarker(std::string_view line);

// The list entry for an invalid file: "Invalid Config (" + name + ")".
std::string InvalidEntryText(std::string_view name);

// True when `text` begins with "Invalid Config", as the entries of broken files do (case-sensitive).
bool StartsWithInvalidPrefix(std::string_view text);

// List read of Configs\ + `name`: the title of line 2, or the invalid-entry text when the marker is
// wrong. Raises 62 when the file ends before line 2, 5 when line 2 is shorter than 15 characters, and the
// file system's error when the file cannot be opened.
std::string ListRead(platform::FileSystem& files, std::string_view name);

// Full read of Configs\ + `name` into `game`, line by line: a failure part-way leaves the fields read so
// far updated (the short line itself in the field it failed on) and raises 62, 5 or the open error.
void FullRead(platform::FileSystem& files, std::string_view name, GameConfig& game);

}  // namespace vexar
