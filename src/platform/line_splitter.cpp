#include "platform/line_splitter.h"

#include <algorithm>

#include "platform/errors.h"

namespace vexar::platform {

namespace {
// Most configuration files fit in the first block; later blocks grow for long lines.
constexpr std::size_t kFirstBlock = 4096;
constexpr std::size_t kLaterBlock = 64 * 1024;
}  // namespace

LineSplitter::LineSplitter(ByteSource& source) : source_(source) {}

bool LineSplitter::Fill() {
    if (pos_ < end_) return true;
    if (at_end_) return false;
    buffer_.resize(buffer_.empty() ? kFirstBlock : kLaterBlock);
    pos_ = 0;
    end_ = source_.ReadSome(buffer_);
    if (end_ == 0) at_end_ = true;
    return end_ > 0;
}

std::string LineSplitter::ReadLine() {
    if (!Fill()) Raise(kErrPastEndOfFile);
    std::string line;
    for (;;) {
        const char* begin = buffer_.data() + pos_;
        const char* end = buffer_.data() + end_;
        const char* stop = std::find_if(begin, end, [](char c) { return c == '\r' || c == '\n'; });
        const std::size_t room = kMaxLineLength - line.size();
        if (static_cast<std::size_t>(stop - begin) >= room) {
            line.append(begin, room);
            at_end_ = cut_ = true;  // the rest of the file is not read
            pos_ = end_ = 0;
            return line;
        }
        line.append(begin, stop);
        pos_ += static_cast<std::size_t>(stop - begin);
        if (stop == end) {
            if (!Fill()) return line;  // the last line has no terminator
            continue;
        }
        ++pos_;
        if (*stop == '\r' && Fill() && buffer_[pos_] == '\n') ++pos_;
        return line;
    }
}

}  // namespace vexar::platform
