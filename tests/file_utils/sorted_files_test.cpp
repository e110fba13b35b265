#include "file_utils/mdlGlobalFunctions.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"

namespace vexar {
namespace {

TEST(SortedFilesSmoke, ListsAndSorts) {
    fake::FakePlatform fake;
    fake.files.AddFile("Configs\\alpha.cfg", "");
    fake.files.AddFile("Configs\\Zulu.cfg", "");
    std::int32_t count = 0;
    std::vector<std::string> names;
    SortedFiles(fake.services(), "Configs\\", count, names, SkipDot::kYes, SkipDotDot::kYes);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(names, (std::vector<std::string>{"Zulu.cfg", "alpha.cfg"}));
}

}  // namespace
}  // namespace vexar
