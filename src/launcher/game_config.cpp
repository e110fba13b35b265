#include "launcher/game_config.h"

#include <array>
#include <memory>

namespace vexar {

std::string ExtractValue(std::string_view line) {
    if (line.size() < kLabelLength) Raise(kErrInvalidCall);
    return std::string(line.substr(kLabelLength));
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

std::string ParseListEntry(platform::LineReader& lines, std::string_view name) {
    const std::string marker_line = lines.ReadLine();
    std::string title = ExtractValue(lines.ReadLine());
    if (!HasMarker(marker_line)) return InvalidEntryText(name);
    return title;
}

void ParseGame(platform::LineReader& lines, GameConfig& game) {
    lines.ReadLine();
    lines.ReadLine();
    const std::array fields{&game.strNotes,         &game.strStartLocation, &game.strLaunchFile,
                            &game.strDefaultParams, &game.strHDParams,      &game.strCDPrelaunch,
                            &game.strCDParams};
    for (std::string* field : fields) {
        *field = lines.ReadLine();
        *field = ExtractValue(*field);
    }
}

namespace {

std::unique_ptr<platform::LineReader> OpenConfig(platform::FileSystem& files, std::string_view folder,
                                                 std::string_view name) {
    std::string path(folder);
    path += name;
    return files.OpenForInput(path);
}

}  // namespace

std::string ListRead(platform::FileSystem& files, std::string_view folder, std::string_view name) {
    return ParseListEntry(*OpenConfig(files, folder, name), name);
}

void FullRead(platform::FileSystem& files, std::string_view folder, std::string_view name, GameConfig& game) {
    ParseGame(*OpenConfig(files, folder, name), game);
}

}  // namespace vexar
