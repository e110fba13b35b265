#include "real_files.h"

#include <algorithm>
#include <stdexcept>

namespace vexar::testing {
namespace {

void Check(BOOL ok, std::string_view call, std::string_view path) {
    if (!ok) FailCall(call, path);
}

}  // namespace

void FailCall(std::string_view call, std::string_view path) {
    const DWORD code = ::GetLastError();
    throw std::runtime_error(std::string(call) + "(" + std::string(path) + ") failed with " +
                             std::to_string(code));
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string WriteFileAt(const std::string& path, std::string_view bytes, std::uint32_t attributes) {
    // A hidden or system file cannot be recreated with CREATE_ALWAYS unless the same bits are asked for.
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    win32::UniqueFile file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) FailCall("CreateFileA", path);
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        Check(::WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr), "WriteFile", path);
        done += written;
    }
    file.reset();
    if (attributes != 0) SetAttributesAt(path, attributes);
    return path;
}

std::string MakeFolderAt(const std::string& path, std::uint32_t attributes) {
    Check(::CreateDirectoryA(path.c_str(), nullptr), "CreateDirectoryA", path);
    if (attributes != 0) SetAttributesAt(path, attributes | FILE_ATTRIBUTE_DIRECTORY);
    return path;
}

void SetAttributesAt(const std::string& path, std::uint32_t attributes) {
    Check(::SetFileAttributesA(path.c_str(), attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes),
          "SetFileAttributesA", path);
}

std::vector<WIN32_FIND_DATAA> ListEntries(const std::string& pattern) {
    std::vector<WIN32_FIND_DATAA> entries;
    WIN32_FIND_DATAA data;
    win32::UniqueFind find(::FindFirstFileA(pattern.c_str(), &data));
    if (!find) return entries;
    do {
        const std::string_view name = data.cFileName;
        if (name != "." && name != "..") entries.push_back(data);
    } while (::FindNextFileA(find.get(), &data));
    return entries;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    win32::UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    return bytes;
}

win32::UniqueFile HoldOpen(const std::string& path, Sharing sharing) {
    win32::UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ,
                                         sharing == Sharing::kRead ? FILE_SHARE_READ : 0, nullptr,
                                         OPEN_EXISTING, 0, nullptr));
    if (!file) FailCall("CreateFileA", path);
    return file;
}

std::string ProgramFolder() {
    char buffer[MAX_PATH + 1];
    const DWORD length = ::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    if (length == 0 || length > MAX_PATH) FailCall("GetModuleFileNameA", "");
    std::string path(buffer, length);
    path.erase(path.find_last_of('\\') + 1);
    return path;
}

}  // namespace vexar::testing
