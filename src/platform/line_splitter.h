#pragma once
// Splits a file's bytes into lines; where the bytes come from is the caller's.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace vexar::platform {

// Lines end with CR, CR LF or LF. Only the bytes up to the end of the last line asked for are read,
// in blocks. A line that reaches kMaxLineLength bytes without an end is cut there and the file is
// treated as ending with it, so that a huge file without line ends costs one bounded read.
class LineSplitter final : public LineReader {
public:
    static constexpr std::size_t kMaxLineLength = std::size_t{4} << 20;

    explicit LineSplitter(ByteSource& source);

    // Returns the next line without its terminator; raises 62 when no line is left.
    std::string ReadLine() override;
    // True once the line given last was cut at kMaxLineLength: it is the file's last line.
    bool cut() const { return cut_; }

private:
    // Makes at least one unread byte available; returns false at the end of the file.
    bool Fill();

    ByteSource& source_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool at_end_ = false;
    bool cut_ = false;
};

}  // namespace vexar::platform
