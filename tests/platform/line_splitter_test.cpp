#include "platform/line_splitter.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/fake/fake_platform.h"

namespace vexar::platform {
namespace {

using CountingSource = fake::StringSource;

std::vector<std::string> AllLines(std::string content) {
    CountingSource source(std::move(content));
    LineSplitter splitter(source);
    std::vector<std::string> lines;
    for (;;) {
        try {
            lines.push_back(splitter.ReadLine());
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), 62);
            return lines;
        }
    }
}

using Lines = std::vector<std::string>;

TEST(LineSplitter, LineEndsCrCrLfAndLf) {
    EXPECT_EQ(AllLines("one\rtwo\r\nthree\nfour"), (Lines{"one", "two", "three", "four"}));
    // LF CR is two ends: an empty line between them.
    EXPECT_EQ(AllLines("a\n\rb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(AllLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
}

TEST(LineSplitter, EndOfFile) {
    EXPECT_EQ(AllLines(""), Lines{});
    EXPECT_EQ(AllLines("\r\n"), Lines{""});
    EXPECT_EQ(AllLines("no line end"), Lines{"no line end"});
}

TEST(LineSplitter, NulBytesAreOrdinaryCharacters) {
    const std::string nul_line("a\0b", 3);
    EXPECT_EQ(AllLines(nul_line + "\r\n" + std::string(10, '\0')), (Lines{nul_line, std::string(10, '\0')}));
}

TEST(LineSplitter, EndsAcrossBlockBoundaries) {
    // The CR of a CR LF pair is the last byte of the first 4 KiB block.
    const std::string first(4095, 'x');
    EXPECT_EQ(AllLines(first + "\r\nnext"), (Lines{first, "next"}));
    // A line longer than any block.
    const std::string long_line(200000, 'y');
    EXPECT_EQ(AllLines("a\r" + long_line + "\rb"), (Lines{"a", long_line, "b"}));
}

TEST(LineSplitter, ReadsOnlyWhatTheLinesNeed) {
    std::string content = "first\r\nsecond\r\n";
    content += std::string(10 << 20, 'z');
    CountingSource source(content);
    LineSplitter splitter(source);
    EXPECT_EQ(splitter.ReadLine(), "first");
    EXPECT_EQ(splitter.ReadLine(), "second");
    EXPECT_LE(source.consumed(), 4096u);
}

TEST(LineSplitter, OverlongLineIsCutAndEndsTheFile) {
    CountingSource source(std::string(LineSplitter::kMaxLineLength + 5000, 'q') + "\r\nafter");
    LineSplitter splitter(source);
    EXPECT_EQ(splitter.ReadLine().size(), LineSplitter::kMaxLineLength);
    EXPECT_THROW(splitter.ReadLine(), RuntimeError);
    EXPECT_LT(source.consumed(), LineSplitter::kMaxLineLength + 5000);
}

}  // namespace
}  // namespace vexar::platform
