// Fuzzes the reading of a configuration file: the input is the file's bytes, read in the encoding they
// say. Every text read is valid UTF-8 and every error 62 or 5; for ASCII bytes (the same in every
// encoding) the list entry and the full read must agree with a plain split of the bytes into lines.
#include <cstdlib>

#include "double/platform_double.h"
#include "launcher/game_config.h"
#include "platform/utf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // The lines as the launcher must see them: ends at CR, CR LF or LF; a last line without an end counts.
    std::vector<std::string> lines;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t stop = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
        lines.push_back(bytes.substr(pos, stop - pos));
        pos = stop + (bytes.compare(stop, 2, "\r\n") == 0 ? 2 : 1);
    }
    // The error a parse of lines 1..last taking values from line `first` on must raise; 0 for none.
    const auto expected = [&lines](std::size_t first, std::size_t last) {
        for (std::size_t line = 1; line <= last; ++line) {
            if (line > lines.size()) return int{vexar::kErrPastEndOfFile};
            if (line >= first && lines[line - 1].size() < vexar::kLabelLength)
                return int{vexar::kErrInvalidCall};
        }
        return 0;
    };
    const auto value = [&lines](std::size_t line) { return lines[line - 1].substr(vexar::kLabelLength); };
    const bool ascii = vexar::utf::IsAscii(bytes);
    const vexar::testing::Cp1252Codec codec;
    for (const bool full : {false, true}) {
        vexar::platform::TextFile text(std::make_unique<vexar::testing::StringSource>(bytes), codec);
        int error = 0;
        vexar::GameConfig game;
        std::string entry;
        try {
            if (full) vexar::ParseGame(text, game);
            if (!full) entry = vexar::ParseListEntry(text, "game.cfg");
        } catch (const vexar::RuntimeError& raised) {
            error = raised.number();
        }
        for (const std::string* read : {&entry, &game.strNotes, &game.strLaunchFile, &game.strCDParams})
            if (!vexar::utf::IsValid(*read)) std::abort();
        if (!ascii) {
            if (error != 0 && error != vexar::kErrPastEndOfFile && error != vexar::kErrInvalidCall)
                std::abort();
            continue;
        }
        if (error != (full ? expected(3, 9) : expected(2, 2))) std::abort();
        if (error != 0) continue;
        if (full &&
            game != vexar::GameConfig{value(3), value(4), value(5), value(6), value(7), value(8), value(9)})
            std::abort();
        if (!full &&
            entry != (lines[0].rfind("LABELVEXARLNCH]", 0) == 0 ? value(2) : "Invalid Config (game.cfg)"))
            std::abort();
    }
    return 0;
}
