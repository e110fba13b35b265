// The gamepad's rules, each row a script of focus changes and pad readings with the actions it must give:
// presses not held states, the dead zone, the repeat of a held direction, the gates of activation and of
// a started game, a pad that goes while held.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "launcher/gamepad.h"
#include "launcher_fixture.h"

namespace vexar::testing {
namespace {

struct PadCase {
    VEXAR_ROW(PadCase)
    const char* label;
    // Words: "on", "off", "min", "game" are focus changes; "+N" lets N ms pass; "tN" sets the clock; any
    // other word is a reading, 30 ms after the one before: "-" nothing held, "x" no pad, otherwise the
    // buttons held (U D A B Y) and "sN" the left stick's position N.
    const char* script;
    const char* actions;  // what the readings give, in order
};
class Gamepad : public ::testing::TestWithParam<PadCase> {};

TEST_P(Gamepad, GivesOnlyWhatThePlayerAsked) {
    GamepadInput pad;
    std::istringstream words(GetParam().script);
    std::string word, given;
    const char* names[] = {"previous", "next", "launch", "close", "open"};
    const PadFocus focus[] = {PadFocus::kActivated, PadFocus::kDeactivated, PadFocus::kMinimized,
                              PadFocus::kGameStarted};
    const std::string focus_words[] = {"on", "off", "min", "game"};
    const std::pair<char, std::uint16_t> buttons[] = {
        {'U', kPadUp}, {'D', kPadDown}, {'A', kPadA}, {'B', kPadB}, {'Y', kPadY}};
    std::uint32_t now = 1000;
    while (words >> word) {
        if (const auto* f = std::find(std::begin(focus_words), std::end(focus_words), word);
            f != std::end(focus_words)) {
            pad.Focus(focus[f - focus_words]);
        } else if (word[0] == '+' || word[0] == 't') {
            now = (word[0] == '+' ? now : 0) + static_cast<std::uint32_t>(std::stoul(word.substr(1)));
        } else {
            PadReading reading{word != "x"};
            for (const auto& [letter, bit] : buttons)
                if (word.find(letter) != std::string::npos) reading.buttons |= bit;
            if (word.find('s') != std::string::npos)
                reading.left_y = static_cast<std::int16_t>(std::stoi(word.substr(word.find('s') + 1)));
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
    PadCase{"each button its action", "on - U D - B Y A", "previous next close open launch"},
    PadCase{"not read before the window is in front", "- A - U", ""},
    PadCase{"another window in front", "on - off A - A D", ""},
    PadCase{"minimised", "on - min A - D", ""},
    PadCase{"held at activation: not until released", "on A A D s9000 - A", "launch"},
    PadCase{"pressed behind another window, held on return", "on - off A on A - A", "launch"},
    PadCase{"stick outside its dead zone at activation", "on s-9000 s-7849 A", "launch"},
    PadCase{"stick inside its dead zone", "on - s-7849 s7849 - s-7850 - s7850", "next previous"},
    PadCase{"stick and pad the same way: one press", "on - D s-9000D s-9000", "next"},
    PadCase{"up and down at once: neither", "on - UD s9000D", ""},
    PadCase{"held: a first delay, then a steady repeat", "on - D +300 D +70 D D +90 D", "next next next"},
    PadCase{"a new direction at once", "on - D U D", "next previous next"},
    PadCase{"the clock wraps", "t4294967200 on - D D +400 D", "next next"},
    PadCase{"after a game started: nothing", "on - A game - A D - A", "launch"},
    PadCase{"only losing and regaining the front ends it", "on - A game on - A off on A - A",
            "launch launch"},
    PadCase{"a pad gone while held holds nothing", "on - D x +1000 D - D", "next next"},
    PadCase{"a pad back with a button held: not until released", "on - x A - A", "launch"}));
// clang-format on

}  // namespace
}  // namespace vexar::testing
