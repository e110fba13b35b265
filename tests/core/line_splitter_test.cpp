// Line ends, the block boundary, and the bounded read of a line that never ends.
#include <gtest/gtest.h>

#include "double/platform_double.h"

namespace vexar::testing {
namespace {

// Returns every line of `bytes`, then "62" for the error that follows the last one.
std::vector<std::string> LinesOf(std::string bytes) {
    StringSource source(std::move(bytes));
    platform::LineSplitter splitter(source);
    std::vector<std::string> lines;
    for (;;) {
        try {
            lines.push_back(splitter.ReadLine());
        } catch (const RuntimeError& error) {
            lines.push_back(std::to_string(error.number()));
            return lines;
        }
    }
}

TEST(LineSplitter, EndsLinesAtCrCrLfAndLf) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(LinesOf(""), (Lines{"62"}));
    EXPECT_EQ(LinesOf("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d", "62"}));
    EXPECT_EQ(LinesOf("a\n\rb\r\n"), (Lines{"a", "", "b", "62"}));
    EXPECT_EQ(LinesOf("\r\n\r\n"), (Lines{"", "", "62"}));
    // A CR LF split by the end of the first 4 KiB block is one line end.
    EXPECT_EQ(LinesOf(std::string(4095, 'x') + "\r\ny"), (Lines{std::string(4095, 'x'), "y", "62"}));
}

TEST(LineSplitter, CutsALineThatNeverEnds) {
    const std::size_t limit = platform::LineSplitter::kMaxLineLength;
    const std::vector<std::string> lines = LinesOf(std::string(limit + 100, 'x') + "\r\nnext");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), limit);
    EXPECT_EQ(lines[1], "62");
}

}  // namespace
}  // namespace vexar::testing
