#include "launcher/game_config.h"

#include <array>
#include <memory>

#include "platform/utf.h"

namespace vexar {

std::string ExtractValue(std::string_view line) {
    const std::size_t value = utf::OffsetOfCharacter(line, kLabelLength);
    if (value == std::string_view::npos) Raise(kErrInvalidCall);
    return std::string(line.substr(value));
}

bool HasMarker(std::string_view line) {
    return line.substr(0, kConfigMarker.size()) == kConfigMarker;
}

std::string InvalidEntryText(std::string_view name) {
    std::string text = "Invalid Config (";
    text += name;
    text += ')';
    return text;
}

bool StartsWithInvalidPrefix(std::string_view text) {
    constexpr std::string_view kInvalidPrefix = "Invalid Config";
    return text.substr(0, kInvalidPrefix.size()) == kInvalidPrefix;
}

namespace {

// Runs `step`, the reading of line `number`; an error it raises names that line.
template <typename Step>
void OnLine(int number, Step&& step) {
    try {
        step();
    } catch (RuntimeError& error) {
        error.set_line(number);
        throw;
    }
}

}  // namespace

std::string ParseListEntry(platform::LineReader& lines, std::string_view name) {
    std::string marker_line, title;
    OnLine(1, [&] { marker_line = lines.ReadLine(); });
    OnLine(2, [&] { title = ExtractValue(lines.ReadLine()); });
    if (!HasMarker(marker_line)) return InvalidEntryText(name);
    return title;
}

void ParseGameValues(platform::LineReader& lines, GameConfig& game) {
    const std::array fields{&game.strNotes,         &game.strStartLocation, &game.strLaunchFile,
                            &game.strDefaultParams, &game.strHDParams,      &game.strCDPrelaunch,
                            &game.strCDParams};
    int number = 3;
    for (std::string* field : fields) {
        OnLine(number++, [&] {
            *field = lines.ReadLine();
            *field = ExtractValue(*field);
        });
    }
}

void ParseGame(platform::LineReader& lines, GameConfig& game) {
    OnLine(1, [&] { lines.ReadLine(); });
    OnLine(2, [&] { lines.ReadLine(); });
    ParseGameValues(lines, game);
}

std::unique_ptr<platform::TextFile> OpenConfig(platform::FileSystem& files, const platform::TextCodec& codec,
                                               std::string_view folder, std::string_view name) {
    std::string path(folder);
    path += name;
    return std::make_unique<platform::TextFile>(files.OpenForInput(path), codec);
}

void FullRead(platform::FileSystem& files, const platform::TextCodec& codec, std::string_view folder,
              std::string_view name, GameConfig& game) {
    ParseGame(*OpenConfig(files, codec, folder, name), game);
}

}  // namespace vexar
