#include "platform/win32/win32_file_system.h"

#include <algorithm>
#include <limits>

#include "platform/win32/error_map.h"
#include "platform/win32/wide_text.h"

namespace vexar::win32 {

namespace {

// One Win32 call reads or writes at most this many bytes.
constexpr std::size_t kMaxTransfer = std::size_t{1} << 30;

[[noreturn]] void RaiseFor(DWORD win32_error) {
    Raise(ErrorNumberFor(win32_error));
}

// The full path GetFullPathNameW makes of `path`; empty when it cannot make one.
std::wstring FullPath(const std::wstring& path) {
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) return std::wstring();
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.resize(length);  // the size it needs, with the terminating NUL
    }
}

// The bytes of an open file it owns, read front to back with ReadFile.
class FileByteSource : public platform::ByteSource {
public:
    explicit FileByteSource(UniqueFile file) : file_(std::move(file)) {}

    std::size_t ReadSome(std::span<char> out) override {
        DWORD got = 0;
        const auto wanted = static_cast<DWORD>(std::min(out.size(), kMaxTransfer));
        if (!::ReadFile(file_.get(), out.data(), wanted, &got, nullptr)) RaiseLastError();
        return got;
    }

private:
    UniqueFile file_;
};

// Fixed-length records of a file it owns, numbered from 1, at offset (n - 1) * length.
class Win32RecordFile : public platform::RecordFile {
public:
    Win32RecordFile(UniqueFile file, std::size_t record_length)
        : file_(std::move(file)), length_(record_length) {}

    std::size_t ReadRecord(std::uint32_t number, std::span<std::uint8_t> out) override {
        Seek(number);
        const std::size_t wanted = std::min(length_, out.size());
        std::size_t done = 0;
        while (done < wanted) {
            DWORD got = 0;
            const auto chunk = static_cast<DWORD>(std::min(wanted - done, kMaxTransfer));
            if (!::ReadFile(file_.get(), out.data() + done, chunk, &got, nullptr)) RaiseLastError();
            if (got == 0) break;  // the end of the file
            done += got;
        }
        return done;
    }

    void WriteRecord(std::uint32_t number, std::span<const std::uint8_t> bytes) override {
        if (bytes.size() > length_) Raise(kErrBadRecordLength);
        Seek(number);
        std::size_t done = 0;
        while (done < bytes.size()) {
            DWORD put = 0;
            const auto chunk = static_cast<DWORD>(std::min(bytes.size() - done, kMaxTransfer));
            if (!::WriteFile(file_.get(), bytes.data() + done, chunk, &put, nullptr)) RaiseLastError();
            done += put;
        }
    }

private:
    // Moves the file position to the start of record `number`; raises 63 for record 0.
    void Seek(std::uint32_t number) {
        if (number == 0) Raise(kErrBadRecordNumber);
        const std::uint64_t offset = std::uint64_t{number - 1} * length_;
        if (offset > static_cast<std::uint64_t>(std::numeric_limits<LONGLONG>::max())) {
            Raise(kErrBadRecordNumber);
        }
        LARGE_INTEGER position;
        position.QuadPart = static_cast<LONGLONG>(offset);
        if (!::SetFilePointerEx(file_.get(), position, nullptr, FILE_BEGIN)) RaiseLastError();
    }

    UniqueFile file_;
    std::size_t length_;
};

// FileDispositionInfoEx (Windows 10 1607 and later), which the Windows 7 headers do not declare.
constexpr auto kFileDispositionInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(21);
struct DispositionEx {
    DWORD flags;
};
constexpr DWORD kDispositionDelete = 0x1;
constexpr DWORD kDispositionPosixSemantics = 0x2;

// `path` opened with `access` and `flags`, shared with everyone; a link is opened itself, never followed.
UniqueFile OpenEntry(std::string_view path, DWORD access, DWORD flags) {
    return UniqueFile(::CreateFileW(SystemPath(path).c_str(), access,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | flags, nullptr));
}

// True when `folder` (ending in a separator) names something that exists but is not a directory.
bool IsFileNotFolder(const std::string& folder) {
    if (folder.size() < 2) return false;
    const DWORD attributes = ::GetFileAttributesW(SystemPath(folder.substr(0, folder.size() - 1)).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

std::wstring CurrentDirectory() {
    std::wstring folder(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = ::GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data())) >=
           folder.size()) {
        folder.resize(length);
    }
    folder.resize(length);
    return folder;
}

std::wstring SystemPath(std::string_view path) {
    std::wstring wide = Wide(path);
    if (wide.starts_with(LR"(\\?\)") || wide.starts_with(LR"(\\.\)")) return wide;
    if (!FullPath(wide).starts_with(LR"(\\.\)")) return wide;  // not taken for a device
    // Only the last part of a path names a device: its folder makes the full path, the name stays as it is.
    const std::size_t slash = wide.find_last_of(L"\\/");
    const std::size_t name = slash == std::wstring::npos ? 0 : slash + 1;
    std::wstring full = FullPath(name == 0 ? std::wstring(L".\\") : wide.substr(0, name));
    if (full.empty()) return wide;
    if (full.back() != L'\\') full += L'\\';
    full += wide.substr(name);
    return full.starts_with(LR"(\\)") ? LR"(\\?\UNC\)" + full.substr(2) : LR"(\\?\)" + full;
}

Win32FileSystem::Win32FileSystem(const platform::LaterCalls& calls) {
    // Found at run time: Windows XP does not export it.
    if (calls.file_information_by_handle) {
        set_information_ = reinterpret_cast<decltype(&::SetFileInformationByHandle)>(reinterpret_cast<void*>(
            ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "SetFileInformationByHandle")));
    }
    platform::LaterCalls usable = calls;
    usable.file_information_by_handle = set_information_ != nullptr;
    steps_ = platform::ChooseFileSteps(usable);
}

std::string Win32FileSystem::ListFirst(std::string_view pattern, platform::ListMask mask) {
    find_.reset();
    listed_path_.clear();
    mask_ = mask;
    std::string full(pattern);
    if (!full.empty() && (full.back() == '\\' || full.back() == '/')) full += '*';
    listed_folder_ = full.substr(0, full.find_last_of("\\/") + 1);
    find_.reset(::FindFirstFileW(SystemPath(full).c_str(), &data_));
    if (!find_) {
        const DWORD error = ::GetLastError();
        // A missing folder or file is an empty listing, not a failure; so is a "folder" that is a file
        // (Windows answers 267 for it, Wine 123).
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_NO_MORE_FILES) {
            return std::string();
        }
        if ((error == ERROR_DIRECTORY || error == ERROR_INVALID_NAME) && IsFileNotFolder(listed_folder_)) {
            return std::string();
        }
        RaiseFor(error);
    }
    return FirstAdmittedName();
}

std::string Win32FileSystem::ListNext() {
    listed_path_.clear();
    if (!find_) Raise(kErrInvalidCall);
    if (!Advance()) return std::string();
    return FirstAdmittedName();
}

bool Win32FileSystem::Advance() {
    if (::FindNextFileW(find_.get(), &data_)) return true;
    const DWORD error = ::GetLastError();
    find_.reset();
    if (error == ERROR_NO_MORE_FILES) return false;
    RaiseFor(error);
}

std::string Win32FileSystem::FirstAdmittedName() {
    while (!platform::ListMaskAdmits(mask_, data_.dwFileAttributes)) {
        if (!Advance()) return std::string();
    }
    std::string name = Utf8(data_.cFileName);
    listed_path_ = listed_folder_ + name;
    listed_attributes_ = data_.dwFileAttributes;
    return name;
}

std::uint32_t Win32FileSystem::ReadAttributes(std::string_view path) {
    if (!listed_path_.empty() && path == listed_path_) {
        listed_path_.clear();  // answered once: a later read looks again
        return listed_attributes_;
    }
    const DWORD attributes = ::GetFileAttributesW(SystemPath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) RaiseLastError();
    return attributes;
}

void Win32FileSystem::ResetAttributes(std::string_view path) {
    listed_path_.clear();
    if (steps_ == platform::FileSteps::kByPath) {
        if (!::SetFileAttributesW(SystemPath(path).c_str(), FILE_ATTRIBUTE_NORMAL)) RaiseLastError();
        return;
    }
    // As SetFileAttributesW does, a directory too can be opened for this (backup semantics).
    const UniqueFile entry = OpenEntry(path, FILE_WRITE_ATTRIBUTES, FILE_FLAG_BACKUP_SEMANTICS);
    if (!entry || !ResetToNormal(entry.get())) RaiseLastError();
}

void Win32FileSystem::DeleteFileAt(std::string_view path, platform::AttributeReset reset) {
    listed_path_.clear();
    const bool reset_first = reset == platform::AttributeReset::kFirst;
    if (steps_ == platform::FileSteps::kByPath) {
        // A failed reset raises its error before anything is deleted, as with one handle.
        if (reset_first) ResetAttributes(path);
        if (!::DeleteFileW(SystemPath(path).c_str())) RaiseLastError();
        return;
    }
    // One open for both steps: the handle resets the attributes, then marks the file for deletion.
    const UniqueFile file = OpenEntry(path, DELETE | (reset_first ? FILE_WRITE_ATTRIBUTES : 0), 0);
    if (!file) {
        // The open fails as DeleteFileW's own does, with its error: the deletion's. A separate reset
        // would still have reset the attributes first (a file held open without delete sharing can have
        // them written), or failed with its own error.
        const DWORD deletion_error = ::GetLastError();
        if (reset_first) ResetAttributes(path);
        RaiseFor(deletion_error);
    }
    if (reset_first && !ResetToNormal(file.get())) RaiseLastError();
    if (!MarkForDeletion(file.get())) RaiseLastError();
}

bool Win32FileSystem::ResetToNormal(HANDLE entry) const {
    FILE_BASIC_INFO basic{};  // times of 0 are left as they are
    basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    return set_information_(entry, FileBasicInfo, &basic, sizeof basic) != FALSE;
}

bool Win32FileSystem::MarkForDeletion(HANDLE file) {
    // As DeleteFileW does where the file system allows it (Windows 10 1903 and later), the name goes at
    // once, even while another program still has the file open with delete sharing; elsewhere (older
    // systems, FAT, Wine 8) the file goes when its last handle is closed.
    if (posix_deletion_) {
        DispositionEx disposition{kDispositionDelete | kDispositionPosixSemantics};
        if (set_information_(file, kFileDispositionInfoEx, &disposition, sizeof disposition)) {
            return true;
        }
        const DWORD error = ::GetLastError();
        if (error != ERROR_INVALID_PARAMETER && error != ERROR_NOT_SUPPORTED &&
            error != ERROR_INVALID_FUNCTION)
            return false;
        posix_deletion_ = false;
    }
    FILE_DISPOSITION_INFO disposition{TRUE};
    return set_information_(file, FileDispositionInfo, &disposition, sizeof disposition) != FALSE;
}

void Win32FileSystem::RemoveEmptyDirectory(std::string_view path) {
    listed_path_.clear();
    if (!::RemoveDirectoryW(SystemPath(path).c_str())) RaiseLastError();
}

std::unique_ptr<platform::ByteSource> Win32FileSystem::OpenForInput(std::string_view path) {
    UniqueFile file(::CreateFileW(SystemPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN,
                                  nullptr));
    if (!file) RaiseLastError();
    return std::make_unique<FileByteSource>(std::move(file));
}

std::unique_ptr<platform::RecordFile> Win32FileSystem::OpenRecords(std::string_view path,
                                                                   std::size_t record_length,
                                                                   platform::RecordAccess access) {
    if (record_length == 0) Raise(kErrBadRecordLength);
    const bool writable = access == platform::RecordAccess::kReadWrite;
    UniqueFile file(::CreateFileW(SystemPath(path).c_str(),
                                  writable ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  writable ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) RaiseLastError();
    return std::make_unique<Win32RecordFile>(std::move(file), record_length);
}

}  // namespace vexar::win32
