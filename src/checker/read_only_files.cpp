#include "checker/read_only_files.h"

namespace vexar {

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

std::unique_ptr<platform::ByteSource> ReadOnlyFiles::OpenForInput(std::string_view path) {
    return files_.OpenForInput(path);
}

std::unique_ptr<platform::RecordFile> ReadOnlyFiles::OpenRecords(std::string_view path,
                                                                 std::size_t record_length,
                                                                 platform::RecordAccess access) {
    if (access != platform::RecordAccess::kReadOnly) Raise(kErrPermissionDenied);
    return files_.OpenRecords(path, record_length, access);
}

}  // namespace vexar
