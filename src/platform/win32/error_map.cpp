#include "platform/win32/error_map.h"

namespace vexar::win32 {

int ErrorNumberFor(DWORD win32_error) noexcept {
    switch (win32_error) {
        case ERROR_FILE_NOT_FOUND:
            return kErrFileNotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_BAD_NETPATH:
        case ERROR_INVALID_DRIVE:
            return kErrPathNotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_DIR_NOT_EMPTY:
        case ERROR_CURRENT_DIRECTORY:
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_DIRECTORY:
            return kErrPathFileAccess;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
            return kErrPermissionDenied;
        case ERROR_TOO_MANY_OPEN_FILES:
            return kErrTooManyFiles;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return kErrOutOfMemory;
        case ERROR_HANDLE_DISK_FULL:
        case ERROR_DISK_FULL:
            return kErrDiskFull;
        case ERROR_NOT_READY:
            return kErrDiskNotReady;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return kErrFileExists;
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
            return kErrBadFileName;
        case ERROR_HANDLE_EOF:
            return kErrPastEndOfFile;
        case ERROR_INVALID_PARAMETER:
            return kErrInvalidCall;
        case ERROR_CRC:
        case ERROR_SECTOR_NOT_FOUND:
        case ERROR_READ_FAULT:
        case ERROR_WRITE_FAULT:
        case ERROR_GEN_FAILURE:
            return kErrDeviceIo;
        case ERROR_DEV_NOT_EXIST:
            return kErrDeviceUnavailable;
        default:
            return kErrPathFileAccess;
    }
}

void RaiseLastError() {
    Raise(ErrorNumberFor(::GetLastError()));
}

}  // namespace vexar::win32
