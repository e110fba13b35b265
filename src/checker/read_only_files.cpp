#include "checker/read_only_files.h"

namespace vexar {

namespace {

// One reading of the text file opened last, from its first line: lines read before come from memory, the
// rest from the file. Counts the lines it has given.
class Rereader final : public platform::LineReader {
public:
    Rereader(ReadOnlyFiles::OpenText& text, int& count) : text_(text), count_(count) {}

    std::string ReadLine() override {
        const auto next = static_cast<std::size_t>(count_);
        if (next == text_.read.size()) text_.read.push_back(text_.lines->ReadLine());
        ++count_;
        return text_.read[next];
    }

private:
    ReadOnlyFiles::OpenText& text_;
    int& count_;
};

}  // namespace

std::string ReadOnlyFiles::ListFirst(std::string_view pattern, platform::ListMask mask) {
    return files_.ListFirst(pattern, mask);
}

std::string ReadOnlyFiles::ListNext() {
    return files_.ListNext();
}

std::uint32_t ReadOnlyFiles::ReadAttributes(std::string_view path) {
    return files_.ReadAttributes(path);
}

void ReadOnlyFiles::ResetAttributes(std::string_view /*path*/) {
    Raise(kErrPermissionDenied);
}

void ReadOnlyFiles::DeleteFileAt(std::string_view /*path*/, platform::AttributeReset /*reset*/) {
    Raise(kErrPermissionDenied);
}

void ReadOnlyFiles::RemoveEmptyDirectory(std::string_view /*path*/) {
    Raise(kErrPermissionDenied);
}

std::unique_ptr<platform::LineReader> ReadOnlyFiles::OpenForInput(std::string_view path) {
    lines_read_ = -1;
    if (!last_.lines || last_.path != path) {
        last_ = OpenText{};
        last_.lines = files_.OpenForInput(path);
        last_.path = path;
    }
    lines_read_ = 0;
    return std::make_unique<Rereader>(last_, lines_read_);
}

std::unique_ptr<platform::RecordFile> ReadOnlyFiles::OpenRecords(std::string_view path,
                                                                 std::size_t record_length,
                                                                 platform::RecordAccess access) {
    if (access != platform::RecordAccess::kReadOnly) Raise(kErrPermissionDenied);
    return files_.OpenRecords(path, record_length, access);
}

int ReadOnlyFiles::LineOf(const RuntimeError& error) const {
    if (lines_read_ < 0) return 0;
    return error.number() == kErrInvalidCall ? lines_read_ : lines_read_ + 1;
}

}  // namespace vexar
