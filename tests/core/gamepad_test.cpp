// The gamepad's rules, each row a script of focus changes and pad readings with the actions it must give.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "launcher/gamepad.h"
#include "launcher_fixture.h"

namespace vexar::testing {
namespace {

struct PadCase {
    VEXAR_ROW(PadCase)
    const char* label;
    // Words: "on" "off" "min" "game" change the focus; "+N" lets N ms pass; others are readings 30 ms apart:
    // "-" nothing held, "x" no pad, else the buttons held (U D A B Y) and "sN", the left stick at N.
    const char* script;
    const char* actions;  // what the readings give, in order
};
class Gamepad : public ::testing::TestWithParam<PadCase> {};

TEST_P(Gamepad, GivesOnlyWhatThePlayerAsked) {
    const std::vector<std::string> events = {"on", "off", "min", "game"};  // PadFocus's order
    const std::string letters = "UDABY";
    const std::uint16_t bits[] = {kPadUp, kPadDown, kPadA, kPadB, kPadY};
    const char* names[] = {"previous", "next", "launch", "close", "open"};
    GamepadInput pad;
    std::istringstream words(GetParam().script);
    std::string word, given;
    std::uint32_t now = 4294967000;  // the millisecond clock wraps within a second
    while (words >> word) {
        if (const auto event = std::ranges::find(events, word); event != events.end()) {
            pad.Focus(static_cast<PadFocus>(event - events.begin()));
        } else if (word[0] == '+') {
            now += static_cast<std::uint32_t>(std::stoul(word.substr(1)));
        } else {
            PadReading reading{word != "x"};
            for (std::size_t i = 0; i < letters.size(); ++i)
                if (word.find(letters[i]) != std::string::npos) reading.buttons |= bits[i];
            if (const std::size_t stick = word.find('s'); stick != std::string::npos)
                reading.left_y = static_cast<std::int16_t>(std::stoi(word.substr(stick + 1)));
            for (const PadAction action : pad.Read(reading, now))
                given += (given.empty() ? "" : " ") + std::string(names[static_cast<int>(action)]);
            now += 30;
        }
    }
    EXPECT_EQ(given, GetParam().actions);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Gamepad, ::testing::Values(
    PadCase{"a press counts once, however long held", "on - A A A - A", "launch launch"},
    PadCase{"each button; a new direction at once", "on - U D - B Y A", "previous next close open launch"},
    PadCase{"not in front or minimised", "- A on - off A - D on - min A - D on A - A", "launch"},
    PadCase{"held at activation: when released", "on A A D s9000 - A", "launch"},
    PadCase{"the stick's dead zone", "on s-9000 s-7849 - s7849 - s-7850 - s7850", "next previous"},
    PadCase{"stick and pad one way; up and down", "on - D s-9000D s-9000 - UD s9000D", "next"},
    PadCase{"a first delay, then a steady repeat", "on - D D +270 D +70 D D +90 D", "next next next"},
    PadCase{"game started: until out and back", "on - A game - D on - A off on A - A", "launch launch"},
    PadCase{"pad gone while held; back: when released", "on - D x +1000 D - D x A - A", "next next launch"}));
// clang-format on

}  // namespace
}  // namespace vexar::testing
