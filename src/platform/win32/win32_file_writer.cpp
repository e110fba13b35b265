#include "platform/win32/win32_file_writer.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/error_map.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_file_system.h"

namespace vexar::win32 {

namespace {

// One WriteFile call writes at most this many bytes.
constexpr std::size_t kMaxWrite = std::size_t{1} << 30;
// How often a step refused by a sharing violation is tried, and the pause after each refusal.
constexpr int kTries = 10;
constexpr DWORD kPauseMilliseconds = 50;
// The attributes a file that takes another's place is given of that file's.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                  FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Runs `step`, a call that returns FALSE when it fails, until it succeeds or fails otherwise than by a
// sharing or lock violation, at most kTries times; false (the error in GetLastError) when it failed.
template <typename Step>
bool Retried(Step step) {
    for (int tried = 1;; ++tried) {
        if (step()) return true;
        const DWORD error = ::GetLastError();
        if ((error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION) || tried == kTries)
            return false;
        ::Sleep(kPauseMilliseconds);
    }
}

}  // namespace

void Win32FileWriter::WriteWhole(std::string_view path, std::string_view bytes) {
    UniqueFile file(::CreateFileW(SystemPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) RaiseLastError();
    while (!bytes.empty()) {
        DWORD put = 0;
        const auto chunk = static_cast<DWORD>(std::min(bytes.size(), kMaxWrite));
        if (!::WriteFile(file.get(), bytes.data(), chunk, &put, nullptr)) RaiseLastError();
        if (put == 0) Raise(kErrDeviceIo);
        bytes.remove_prefix(put);
    }
    if (!::FlushFileBuffers(file.get()) || !::CloseHandle(file.release())) RaiseLastError();
}

void Win32FileWriter::Replace(std::string_view target, std::string_view replacement) {
    const std::wstring to = SystemPath(target), from = SystemPath(replacement);
    const DWORD attributes = ::GetFileAttributesW(to.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) RaiseLastError();
    if (attributes & FILE_ATTRIBUTE_READONLY) Raise(ErrorNumberFor(ERROR_ACCESS_DENIED));
    // The new file has the target's attributes before it takes its place, whichever call does it (Wine's
    // ReplaceFileW does not keep them, and where it fails after taking the target away the move still can).
    const DWORD kept = attributes & kKeptAttributes;
    if (!::SetFileAttributesW(from.c_str(), kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL)) RaiseLastError();
    // Without a backup name ReplaceFileW can fail half-way: with ERROR_UNABLE_TO_REMOVE_REPLACED both files
    // are as they were; with ERROR_UNABLE_TO_MOVE_REPLACEMENT the target is already gone and the new file
    // still has its own name; with ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 the target went to a name of its own.
    // In each case the move below puts the new file in the target's place. Only where it fails too after
    // ERROR_UNABLE_TO_MOVE_REPLACEMENT is the target not as it was: gone, its new text in `replacement`
    // (the save plan then writes the original back from what it read).
    // File systems without the call (some network shares) fail it with other errors and take the move too.
    if (Retried([&] {
            return ::ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                                  nullptr);
        })) {
        return;
    }
    if (!Retried([&] {
            return ::MoveFileExW(from.c_str(), to.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        })) {
        RaiseLastError();
    }
}

void Win32FileWriter::MoveNew(std::string_view from, std::string_view to) {
    if (!Retried([&] {
            return ::MoveFileExW(SystemPath(from).c_str(), SystemPath(to).c_str(), MOVEFILE_WRITE_THROUGH);
        })) {
        RaiseLastError();
    }
}

platform::FileStamp Win32FileWriter::Stamp(std::string_view path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(SystemPath(path).c_str(), GetFileExInfoStandard, &data)) RaiseLastError();
    return {std::uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow,
            std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32 | data.ftLastWriteTime.dwLowDateTime};
}

void Win32FileWriter::MakeFolder(std::string_view path) {
    if (!::CreateDirectoryW(SystemPath(path).c_str(), nullptr)) RaiseLastError();
}

}  // namespace vexar::win32
