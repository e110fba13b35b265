#pragma once
// The game list as the launcher fills it at start: the configuration files in sorted order, what the list
// read makes of each, and which of them the list holds. The launcher's start-up shows the result; the
// game-file checker (checker/) reports on it, so both always agree. Showing boxes for it is the caller's.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "platform/text_file.h"

namespace vexar {

// What the list read makes of one configuration file.
struct ListFillEntry {
    // The list text: the title, or the invalid-entry text; empty for a file that is not listed.
    std::string text;
    // Why the file is an invalid entry although its marker was never tested: 62 when it ends before
    // line 2, 52 when it cannot be opened under its listed name; 0 otherwise.
    int error = 0;
    // For error 62: the first missing line.
    int line = 0;
};

struct GameListFile {
    std::string name;
    ListFillEntry entry;
    // The encoding its bytes were read in (when it could be opened).
    platform::Encoding encoding = platform::Encoding::kAnsi;
    // The error that ends the list fill at this file: a short title line, a file that cannot be read.
    std::optional<RuntimeError> stop;
    // The game list holds the file's entry: it is listable and no file before it stopped the fill.
    bool listed = false;

    // True when the file would have an entry in the list: it did not stop the fill and its list text is
    // not empty (an empty title is not listed).
    bool Listable() const { return !stop && !entry.text.empty(); }
};

// Whether the fill reads the files after the one that stops it (to tell what the stop hides).
enum class AfterStop { kEnd, kReadOn };

// Called for each file right after its list read, in list order; `rest` reads on from the file's line 3
// while the file is open, and is null when its first two lines could not be read.
using ListReadDone = std::function<void(const GameListFile& file, platform::TextFile* rest)>;

// Reads the first two lines of `folder` + `file.name` as the list fill does, into file.entry and
// file.encoding, or file.stop for an error that ends the fill. Returns the file, reading on from line 3,
// when its first two lines were read; otherwise null.
std::unique_ptr<platform::TextFile> ReadListEntry(platform::FileSystem& files,
                                                  const platform::TextCodec& codec, std::string_view folder,
                                                  GameListFile& file);

// Lists the configuration files of `folder` (SortedFiles, which reports a failed listing in a box itself)
// and reads each one's first two lines. Returns the files in list order; with AfterStop::kEnd they end with
// the file that stopped the fill.
std::vector<GameListFile> FillGameList(platform::FileSystem& files, platform::MessageBoxes& boxes,
                                       const platform::TextCodec& codec, std::string_view folder,
                                       AfterStop after_stop, const ListReadDone& done = {});

}  // namespace vexar
