#include "launcher/game_list.h"

#include "file_utils/mdlGlobalFunctions.h"
#include "launcher/game_config.h"

namespace vexar {

std::unique_ptr<platform::TextFile> ReadListEntry(platform::FileSystem& files,
                                                  const platform::TextCodec& codec, std::string_view folder,
                                                  GameListFile& file) {
    try {
        std::unique_ptr<platform::TextFile> lines = OpenConfig(files, codec, folder, file.name);
        file.encoding = lines->encoding();
        file.entry.text = ParseListEntry(*lines, file.name);
        return lines;
    } catch (...) {
        const RuntimeError error = TrappedError();
        // A file that ends too early, or whose name cannot be opened, is listed as invalid and the fill
        // goes on: one odd file must not hide the games after it. Any other error ends the fill.
        if (error.number() == kErrPastEndOfFile || error.number() == kErrBadFileName) {
            file.entry = {InvalidEntryText(file.name), error.number(), error.line()};
        } else {
            file.stop = error;
        }
        return nullptr;
    }
}

std::vector<GameListFile> FillGameList(platform::FileSystem& files, platform::MessageBoxes& boxes,
                                       const platform::TextCodec& codec, std::string_view folder,
                                       AfterStop after_stop, const ListReadDone& done) {
    std::int32_t count = 0;
    std::vector<std::string> names;
    // After a failed listing the fill goes on with the names it took.
    SortedFiles(files, boxes, codec, folder, count, names, SkipDot::kYes, SkipDotDot::kYes);

    std::vector<GameListFile> list;
    list.reserve(names.size());
    bool stopped = false;
    for (std::string& name : names) {
        GameListFile& file = list.emplace_back();
        file.name = std::move(name);
        const std::unique_ptr<platform::TextFile> lines = ReadListEntry(files, codec, folder, file);
        file.listed = !stopped && file.Listable();
        stopped = stopped || file.stop.has_value();
        if (done) done(file, lines.get());
        if (stopped && after_stop == AfterStop::kEnd) break;
    }
    return list;
}

}  // namespace vexar
