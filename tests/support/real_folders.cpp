#include "real_folders.h"

#include <shellapi.h>

#include <stdexcept>

namespace vexar::testing {

namespace {

void Check(bool done, std::string_view call, std::string_view path) {
    if (!done) {
        throw std::runtime_error(std::string(call) + " " + std::string(path) + ": error " +
                                 std::to_string(::GetLastError()));
    }
}

std::string Buffered(DWORD (*get)(DWORD, char*)) {
    char buffer[MAX_PATH + 1];
    const DWORD length = get(sizeof buffer, buffer);
    Check(length > 0 && length <= MAX_PATH, "reading a folder", "");
    return std::string(buffer, length);
}

}  // namespace

TempFolder::TempFolder()
    : previous_(Buffered([](DWORD n, char* b) { return ::GetCurrentDirectoryA(n, b); })) {
    static unsigned serial = 0;
    path_ = Buffered([](DWORD n, char* b) { return ::GetTempPathA(n, b); }) + "vexar-" +
            std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(serial++);
    Check(::CreateDirectoryA(path_.c_str(), nullptr), "CreateDirectoryA", path_);
    Check(::SetCurrentDirectoryA(path_.c_str()), "SetCurrentDirectoryA", path_);
    path_ += '\\';
}

TempFolder::~TempFolder() {
    ::SetCurrentDirectoryA(previous_.c_str());
    // Read-only, hidden and system entries go too; the list of names ends with an empty one.
    std::string from = path_.substr(0, path_.size() - 1);
    from.push_back('\0');
    SHFILEOPSTRUCTA operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    ::SHFileOperationA(&operation);
}

std::string TempFolder::Write(std::string_view relative, std::string_view bytes, DWORD attributes) const {
    const std::string path = Path(relative);
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    win32::UniqueFile file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    Check(file && ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr),
          "writing", path);
    file.reset();
    Check(attributes == 0 || ::SetFileAttributesA(path.c_str(), attributes), "SetFileAttributesA", path);
    return path;
}

std::string TempFolder::Folder(std::string_view relative, DWORD attributes) const {
    const std::string path = Path(relative);
    Check(::CreateDirectoryA(path.c_str(), nullptr), "CreateDirectoryA", path);
    Check(attributes == 0 || ::SetFileAttributesA(path.c_str(), attributes), "SetFileAttributesA", path);
    return path;
}

std::optional<std::string> ReadBytes(const std::string& path) {
    win32::UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return std::nullopt;
    std::string bytes(::GetFileSize(file.get(), nullptr), '\0');
    DWORD got = 0;
    if (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr))
        return std::nullopt;
    bytes.resize(got);
    return bytes;
}

win32::UniqueFile HoldOpen(const std::string& path, DWORD share) {
    win32::UniqueFile file(
        ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING, 0, nullptr));
    Check(static_cast<bool>(file), "holding open", path);
    return file;
}

std::string ProgramFolder() {
    std::string path = Buffered([](DWORD n, char* b) { return ::GetModuleFileNameA(nullptr, b, n); });
    return path.erase(path.find_last_of('\\') + 1);
}

}  // namespace vexar::testing
