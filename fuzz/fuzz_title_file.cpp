// Fuzzes the reader of the saved title: the input is the bytes of Title.cfg. A title that loads must
// be the record's own characters, and saving it again must load the same title.

#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>

#include "launcher/title_file.h"
#include "platform/fake/fake_platform.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vexar::fake::FakeFileSystem files;
    files.AddFile(vexar::kTitleFile, bytes);
    std::string title;
    try {
        title = vexar::LoadSavedTitle(files);
    } catch (const vexar::RuntimeError& error) {
        Require(error.number() == vexar::kErrBadRecordLength || error.number() == vexar::kErrPastEndOfFile);
        Require(files.open_files() == 0);
        return 0;
    }
    Require(files.open_files() == 0);
    Require(files.Content(vexar::kTitleFile) == bytes);  // reading never changes the file
    if (size == 0) {
        Require(title.empty());
        return 0;
    }
    const std::size_t count = data[0] | (std::size_t{data[1]} << 8);
    Require(title.size() == count && count <= vexar::kMaxTitleLength);
    Require(title == bytes.substr(2, count));

    vexar::SaveTitle(files, title);
    const std::string saved = files.Content(vexar::kTitleFile);
    Require(saved.size() == std::max(size, vexar::kTitleRecordLength));
    Require(saved.substr(vexar::kTitleRecordLength) == bytes.substr(std::min(size, vexar::kTitleRecordLength)));
    Require(vexar::LoadSavedTitle(files) == title);
    return 0;
}
