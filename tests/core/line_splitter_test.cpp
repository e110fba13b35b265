// Line ends, the block boundary, and the bounded read of a line that never ends.
#include <gtest/gtest.h>

#include "double/platform_double.h"

namespace vexar::testing {
namespace {

// Returns every line of `bytes`, then the number of the error that follows the last one.
std::vector<std::string> LinesOf(std::string bytes) {
    StringSource source(std::move(bytes));
    platform::LineSplitter splitter(source);
    std::vector<std::string> lines;
    try {
        for (;;) lines.push_back(splitter.ReadLine());
    } catch (const RuntimeError& error) {
        lines.push_back(std::to_string(error.number()));
    }
    return lines;
}

TEST(LineSplitter, EndsLinesAtCrCrLfAndLfAndCutsALineThatNeverEnds) {
    using Lines = std::vector<std::string>;
    const std::string block(4095, 'x'), cut(4 << 20, 'x');
    EXPECT_EQ(LinesOf(""), (Lines{"62"}));
    EXPECT_EQ(LinesOf("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d", "62"}));
    EXPECT_EQ(LinesOf("a\n\rb\r\n\r\n"), (Lines{"a", "", "b", "", "62"}));
    EXPECT_EQ(LinesOf(block + "\r\ny"), (Lines{block, "y", "62"})) << "CR LF split by the end of a block";
    EXPECT_EQ(LinesOf(cut + "more\r\nnext"), (Lines{cut, "62"})) << "a line that reaches 4 MiB ends the file";
}

}  // namespace
}  // namespace vexar::testing
