#include "checker/read_only_files.h"

namespace vexar {

namespace {

// Line input that counts the lines it has given.
class CountingReader final : public platform::LineReader {
public:
    CountingReader(std::unique_ptr<platform::LineReader> lines, int& count)
        : lines_(std::move(lines)), count_(count) {}

    std::string ReadLine() override {
        std::string line = lines_->ReadLine();
        ++count_;
        return line;
    }

private:
    std::unique_ptr<platform::LineReader> lines_;
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

void ReadOnlyFiles::DeleteFileAt(std::string_view /*path*/) {
    Raise(kErrPermissionDenied);
}

void ReadOnlyFiles::RemoveEmptyDirectory(std::string_view /*path*/) {
    Raise(kErrPermissionDenied);
}

std::unique_ptr<platform::LineReader> ReadOnlyFiles::OpenForInput(std::string_view path) {
    lines_read_ = -1;
    auto lines = files_.OpenForInput(path);
    lines_read_ = 0;
    return std::make_unique<CountingReader>(std::move(lines), lines_read_);
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
