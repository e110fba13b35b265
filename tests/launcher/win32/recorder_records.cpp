#include "recorder_records.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <thread>

#include "platform/win32/handles.h"
#include "real_files.h"

namespace vexar::testing {

namespace {

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

std::string RecorderPath() {
    return ProgramFolder() + "arg_recorder.exe";
}

void CopyRecorderTo(const std::string& path) {
    if (!::CopyFileA(RecorderPath().c_str(), path.c_str(), FALSE)) FailCall("CopyFileA", path);
}

std::string MakeRecordFolder(TempFolder& folder) {
    const std::string records = folder.MakeFolder("records") + "\\";
    SetRecordFolder(records);
    return records;
}

void SetRecordFolder(const std::string& folder) {
    if (!::SetEnvironmentVariableA("VEXAR_RECORD_DIR", folder.c_str())) {
        throw std::runtime_error("SetEnvironmentVariableA failed");
    }
}

std::vector<Record> ReadRecords(const std::string& folder) {
    std::vector<Record> records;
    for (const WIN32_FIND_DATAA& entry : ListEntries(folder + "*.rec")) {
        const std::string name = entry.cFileName;
        // A record Wine still holds for the rename cannot be opened yet.
        const std::optional<std::string> bytes = ReadWholeFile(folder + name);
        if (!bytes) continue;
        Record record;
        record.program = name.substr(0, name.find_last_of('-'));
        record.arguments = Field(*bytes, "args");
        record.directory = Field(*bytes, "dir");
        record.show = std::stoi(Field(*bytes, "show"));
        records.push_back(std::move(record));
    }
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
