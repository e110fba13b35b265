// Fuzzes the parse of a configuration file: the input is the file's bytes. The list entry and the full
// read are checked against a plain split of the bytes into lines.
#include <cstdlib>
#include <string>
#include <vector>

#include "double/platform_double.h"
#include "launcher/game_config.h"

namespace {

// The file's lines as the launcher must see them: ends at CR, CR LF or LF; a last line without an end
// counts; an empty file has no lines.
std::vector<std::string> ReferenceLines(std::string_view bytes) {
    std::vector<std::string> lines;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t stop = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
        lines.emplace_back(bytes.substr(pos, stop - pos));
        pos = stop + 1;
        if (stop < bytes.size() && bytes[stop] == '\r' && pos < bytes.size() && bytes[pos] == '\n') ++pos;
    }
    return lines;
}

// Returns the error number a parse of lines 1..last that takes values from line `first` on must raise, 0
// for none.
int ExpectedError(const std::vector<std::string>& lines, std::size_t first, std::size_t last) {
    for (std::size_t line = 1; line <= last; ++line) {
        if (line > lines.size()) return vexar::kErrPastEndOfFile;
        if (line >= first && lines[line - 1].size() < vexar::kLabelLength) return vexar::kErrInvalidCall;
    }
    return 0;
}

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = ReferenceLines(bytes);
    const auto value = [&lines](std::size_t line) { return lines[line - 1].substr(vexar::kLabelLength); };
    int error = 0;
    try {
        vexar::testing::StringSource source(bytes);
        vexar::platform::LineSplitter splitter(source);
        const std::string entry = vexar::ParseListEntry(splitter, "game.cfg");
        Require(entry == (vexar::HasMarker(lines[0]) ? value(2) : "Invalid Config (game.cfg)"));
    } catch (const vexar::RuntimeError& raised) {
        error = raised.number();
    }
    Require(error == ExpectedError(lines, 2, 2));

    vexar::GameConfig game;
    error = 0;
    try {
        vexar::testing::StringSource source(bytes);
        vexar::platform::LineSplitter splitter(source);
        vexar::ParseGame(splitter, game);
        Require(game ==
                vexar::GameConfig{value(3), value(4), value(5), value(6), value(7), value(8), value(9)});
    } catch (const vexar::RuntimeError& raised) {
        error = raised.number();
    }
    Require(error == ExpectedError(lines, 3, 9));
    return 0;
}
