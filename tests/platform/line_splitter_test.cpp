#include "platform/line_splitter.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"

namespace vexar::platform {
namespace {

TEST(LineSplitterSmoke, SplitsOnAllThreeEndings) {
    fake::FakeFileSystem files;
    files.AddFile("a.txt", "one\rtwo\r\nthree\nfour");
    auto reader = files.OpenForInput("a.txt");
    EXPECT_EQ(reader->ReadLine(), "one");
    EXPECT_EQ(reader->ReadLine(), "two");
    EXPECT_EQ(reader->ReadLine(), "three");
    EXPECT_EQ(reader->ReadLine(), "four");
    EXPECT_THROW(reader->ReadLine(), RuntimeError);
}

}  // namespace
}  // namespace vexar::platform
