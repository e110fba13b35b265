#pragma once
// Run-time errors as the launcher reports them: an error number and the runtime's text for it.
// Every failure of the platform layer reaches the launcher's handlers as a RuntimeError whose number
// comes from the one table in errors.cpp; Win32 error codes are mapped to these numbers in one place
// (platform/win32/error_map.cpp).

#include <stdexcept>
#include <string>
#include <string_view>

namespace vexar {

// Error numbers of the runtime's error object that the launcher raises or names.
enum ErrorNumber : int {
    kErrInvalidCall = 5,         // "Invalid procedure call or argument"
    kErrOverflow = 6,            // "Overflow"
    kErrOutOfMemory = 7,         // "Out of memory"
    kErrSubscript = 9,           // "Subscript out of range"
    kErrInternal = 51,           // "Internal error"
    kErrBadFileName = 52,        // "Bad file name or number"
    kErrFileNotFound = 53,       // "File not found"
    kErrFileAlreadyOpen = 55,    // "File already open"
    kErrDeviceIo = 57,           // "Device I/O error"
    kErrFileExists = 58,         // "File already exists"
    kErrBadRecordLength = 59,    // "Bad record length"
    kErrDiskFull = 61,           // "Disk full"
    kErrPastEndOfFile = 62,      // "Input past end of file"
    kErrBadRecordNumber = 63,    // "Bad record number"
    kErrTooManyFiles = 67,       // "Too many files"
    kErrDeviceUnavailable = 68,  // "Device unavailable"
    kErrPermissionDenied = 70,   // "Permission denied"
    kErrDiskNotReady = 71,       // "Disk not ready"
    kErrPathFileAccess = 75,     // "Path/File access error"
    kErrPathNotFound = 76,       // "Path not found"
};

// The runtime's description of an error number; "Application-defined or object-defined error" for
// numbers outside the table.
std::string_view ErrorDescription(int number);

// A trapped run-time error: number and description, as shown in the launcher's error boxes.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number);
    RuntimeError(int number, std::string_view description);

    int number() const noexcept { return number_; }
    const char* description() const noexcept { return what(); }
    // The line of a file that the error is about, from 1; 0 when it is about no line.
    int line() const noexcept { return line_; }
    void set_line(int line) noexcept { line_ = line; }

private:
    int number_;
    int line_ = 0;
};

// Raises RuntimeError(number) with the table's description.
[[noreturn]] void Raise(int number);

// The exception being handled (call only inside a catch block) as a run-time error: a RuntimeError as
// it is, running out of memory as 7, anything else as 51.
RuntimeError TrappedError() noexcept;

// "number description" as the error boxes begin: the number in decimal, one blank, the description.
std::string ErrorText(const RuntimeError& error);

}  // namespace vexar
