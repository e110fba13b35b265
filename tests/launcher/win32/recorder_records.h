#pragma once
// Test support shared by the launch tests: the recorder program, which stands in for the games, and the
// records it leaves behind (see arg_recorder.cpp).

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "config_text.h"
#include "temp_folder.h"

namespace vexar::testing {

// One start of the recorder: which copy was started, and how.
struct Record {
    std::string program;    // the copy's file name without extension
    std::string arguments;  // the command line after the program name and its separating blank
    std::string directory;  // the current directory it started in
    int show = -1;          // STARTUPINFO.wShowWindow, -1 when not given

    friend bool operator==(const Record&, const Record&) = default;
};

// The full path of the recorder program, which is built beside the test executables.
std::string RecorderPath();

// Copies the recorder program to `path`, as a game or preparation program of the test's; throws when it
// cannot.
void CopyRecorderTo(const std::string& path);

// Sets the folder (ending in a backslash) where recorders started from now on leave their records.
void SetRecordFolder(const std::string& folder);

// Creates the folder "records" in `folder`, makes it the record folder and returns it (ending in a
// backslash).
std::string MakeRecordFolder(TempFolder& folder);

// The complete records in `folder` (one still being moved into place is left out), ordered by program
// name, then arguments.
std::vector<Record> ReadRecords(const std::string& folder);

// Polls `folder` until it holds at least `count` records or `limit` has passed; returns the records.
std::vector<Record> WaitForRecords(const std::string& folder, std::size_t count,
                                   std::chrono::milliseconds limit = std::chrono::seconds(30));

}  // namespace vexar::testing
