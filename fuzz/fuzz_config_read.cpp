// Fuzzes the list read and the full read of a configuration file: the input is the file's bytes.
// Both reads are checked against a plain reference split of the bytes into lines.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "launcher/game_config.h"
#include "platform/fake/fake_platform.h"

namespace {

constexpr std::string_view kName = "game.cfg";

// The file's lines as the launcher must see them: ends at CR, CR LF or LF; a last line without an end
// counts; an empty file has no lines.
std::vector<std::string> ReferenceLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t stop = bytes.find_first_of("\r\n", pos);
        if (stop == std::string_view::npos) {
            lines.emplace_back(bytes.substr(pos));
            break;
        }
        lines.emplace_back(bytes.substr(pos, stop - pos));
        pos = stop + 1;
        if (bytes[stop] == '\r' && pos < bytes.size() && bytes[pos] == '\n') ++pos;
    }
    return lines;
}

void Require(bool condition) {
    if (!condition) std::abort();
}

// The error number the reads must raise for `lines`, looking at lines first..last; 0 for none.
int ExpectedError(const std::vector<std::string>& lines, std::size_t first_value_line, std::size_t last_line) {
    for (std::size_t line = 1; line <= last_line; ++line) {
        if (line > lines.size()) return vexar::kErrPastEndOfFile;
        if (line >= first_value_line && lines[line - 1].size() < vexar::kLabelLength) return vexar::kErrInvalidCall;
    }
    return 0;
}

void CheckListRead(vexar::fake::FakeFileSystem& files, const std::vector<std::string>& lines) {
    const int expected = ExpectedError(lines, 2, 2);
    try {
        const std::string title = vexar::ListRead(files, kName);
        Require(expected == 0);
        if (vexar::HasMarker(lines[0])) {
            Require(title == lines[1].substr(vexar::kLabelLength));
        } else {
            Require(title == vexar::InvalidEntryText(kName));
        }
    } catch (const vexar::RuntimeError& error) {
        Require(error.number() == expected);
    }
    Require(files.open_files() == 0);
}

void CheckFullRead(vexar::fake::FakeFileSystem& files, const std::vector<std::string>& lines) {
    const int expected = ExpectedError(lines, 3, 9);
    vexar::GameConfig game;
    try {
        vexar::FullRead(files, kName, game);
        Require(expected == 0);
        const vexar::GameConfig want{lines[2].substr(15), lines[3].substr(15), lines[4].substr(15),
                                     lines[5].substr(15), lines[6].substr(15), lines[7].substr(15),
                                     lines[8].substr(15)};
        Require(game == want);
    } catch (const vexar::RuntimeError& error) {
        Require(error.number() == expected);
    }
    Require(files.open_files() == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vexar::fake::FakeFileSystem files;
    files.AddFile(std::string(vexar::kConfigFolder) + std::string(kName), bytes);
    const std::vector<std::string> lines = ReferenceLines(bytes);
    CheckListRead(files, lines);
    CheckFullRead(files, lines);
    return 0;
}
