#include "platform/errors.h"

#include <array>
#include <new>
#include <utility>

namespace vexar {
namespace {

struct ErrorEntry {
    int number;
    std::string_view description;
};

constexpr std::array kErrorTable{
    ErrorEntry{kErrInvalidCall, "Invalid procedure call or argument"},
    ErrorEntry{kErrOverflow, "Overflow"},
    ErrorEntry{kErrOutOfMemory, "Out of memory"},
    ErrorEntry{kErrSubscript, "Subscript out of range"},
    ErrorEntry{kErrInternal, "Internal error"},
    ErrorEntry{kErrBadFileName, "Bad file name or number"},
    ErrorEntry{kErrFileNotFound, "File not found"},
    ErrorEntry{kErrFileAlreadyOpen, "File already open"},
    ErrorEntry{kErrDeviceIo, "Device I/O error"},
    ErrorEntry{kErrFileExists, "File already exists"},
    ErrorEntry{kErrBadRecordLength, "Bad record length"},
    ErrorEntry{kErrDiskFull, "Disk full"},
    ErrorEntry{kErrPastEndOfFile, "Input past end of file"},
    ErrorEntry{kErrBadRecordNumber, "Bad record number"},
    ErrorEntry{kErrTooManyFiles, "Too many files"},
    ErrorEntry{kErrDeviceUnavailable, "Device unavailable"},
    ErrorEntry{kErrPermissionDenied, "Permission denied"},
    ErrorEntry{kErrDiskNotReady, "Disk not ready"},
    ErrorEntry{kErrPathFileAccess, "Path/File access error"},
    ErrorEntry{kErrPathNotFound, "Path not found"},
};

}  // namespace

std::string_view ErrorDescription(int number) {
    for (const auto& entry : kErrorTable) {
        if (entry.number == number) return entry.description;
    }
    return "Application-defined or object-defined error";
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, ErrorDescription(number)) {}

RuntimeError::RuntimeError(int number, std::string_view description)
    : std::runtime_error(std::string(description)), number_(number) {}

void Raise(int number) {
    throw RuntimeError(number);
}

RuntimeError TrappedError() noexcept {
    try {
        throw;
    } catch (const RuntimeError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return RuntimeError(kErrOutOfMemory);
    } catch (...) {
        return RuntimeError(kErrInternal);
    }
}

std::string ErrorText(const RuntimeError& error) {
    return std::to_string(error.number()) + " " + error.description();
}

}  // namespace vexar
