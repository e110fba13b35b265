#include "launcher/game_config.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"

namespace vexar {
namespace {

TEST(ValueExtraction, KeepsEverythingAfterTheLabel) {
    EXPECT_EQ(ExtractValue("Game Title:    Doom"), "Doom");
    EXPECT_EQ(ExtractValue("123456789012345"), "");
    EXPECT_EQ(ExtractValue("123456789012345  two blanks  "), "  two blanks  ");
    try {
        ExtractValue("12345678901234");
        FAIL() << "a 14-character line has no value";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 5);
    }
}

TEST(MarkerTest, FirstFifteenCharactersCaseSensitive) {
    EXPECT_TRUE(HasMarker("LABELVEXARLNCH]"));
    EXPECT_TRUE(HasMarker("LABELVEXARLNCH] anything after"));
    EXPECT_FALSE(HasMarker("labelvexarlnch]"));
    EXPECT_FALSE(HasMarker("LABELVEXARLNCH"));
    EXPECT_FALSE(HasMarker(""));
}

}  // namespace
}  // namespace vexar
