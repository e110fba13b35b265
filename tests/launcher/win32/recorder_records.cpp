#include "recorder_records.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <thread>

#include "platform/win32/handles.h"

namespace vexar::testing {

namespace {

std::string Label(std::string_view name) {
    std::string label(name);
    label.resize(15, ' ');
    return label;
}

// The bytes of `path`; nothing when it cannot be opened yet (Wine may still hold it for the rename).
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

// The value of the line "key=value" in `text`.
std::string Field(const std::string& text, std::string_view key) {
    const std::string prefix = std::string(key) + "=";
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::string line =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (line.compare(0, prefix.size(), prefix) == 0) return line.substr(prefix.size());
        if (end == std::string::npos) break;
        start = end + 1;
    }
    throw std::runtime_error("record without " + prefix);
}

}  // namespace

std::string ConfigText(const ConfigValues& values) {
    std::string text = "LABELVEXARLNCH]\r\n";
    text += Label("Title:") + values.title + "\r\n";
    text += Label("Notes:") + values.notes + "\r\n";
    text += Label("Start:") + values.start_location + "\r\n";
    text += Label("Launch:") + values.launch_file + "\r\n";
    text += Label("Default:") + values.default_params + "\r\n";
    text += Label("HD:") + values.hd_params + "\r\n";
    text += Label("CD prepare:") + values.cd_prelaunch + "\r\n";
    text += Label("CD:") + values.cd_params + "\r\n";
    return text;
}

std::string RecorderPath() {
    char buffer[MAX_PATH + 1];
    const DWORD length = ::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    if (length == 0 || length > MAX_PATH) throw std::runtime_error("GetModuleFileNameA failed");
    std::string path(buffer, length);
    path.erase(path.find_last_of('\\') + 1);
    return path + "arg_recorder.exe";
}

void SetRecordFolder(const std::string& folder) {
    if (!::SetEnvironmentVariableA("VEXAR_RECORD_DIR", folder.c_str())) {
        throw std::runtime_error("SetEnvironmentVariableA failed");
    }
}

std::vector<Record> ReadRecords(const std::string& folder) {
    std::vector<Record> records;
    WIN32_FIND_DATAA data;
    win32::UniqueFind find(::FindFirstFileA((folder + "*.rec").c_str(), &data));
    if (!find) return records;
    do {
        const std::string name = data.cFileName;
        const std::optional<std::string> bytes = ReadWholeFile(folder + name);
        if (!bytes) continue;
        const std::string& text = *bytes;
        Record record;
        record.program = name.substr(0, name.find_last_of('-'));
        record.arguments = Field(text, "args");
        record.directory = Field(text, "dir");
        record.show = std::stoi(Field(text, "show"));
        records.push_back(std::move(record));
    } while (::FindNextFileA(find.get(), &data));
    std::sort(records.begin(), records.end(), [](const Record& a, const Record& b) {
        return a.program != b.program ? a.program < b.program : a.arguments < b.arguments;
    });
    return records;
}

std::vector<Record> WaitForRecords(const std::string& folder, std::size_t count,
                                   std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        std::vector<Record> records = ReadRecords(folder);
        if (records.size() >= count || std::chrono::steady_clock::now() >= deadline) return records;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace vexar::testing
