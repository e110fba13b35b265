#include "bench_data.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <string_view>

namespace vexar::bench {

namespace {
constexpr std::array<std::string_view, 16> kWords{"Space", "dark",   "Quest", "racer", "Tower", "city",
                                                  "Ninja", "farm",   "Cave",  "robot", "Zero",  "sky",
                                                  "Blade", "island", "Moon",  "_beta"};
}  // namespace

std::vector<std::string> ConfigNames(std::size_t count) {
    std::mt19937 random(12345);
    std::vector<std::string> names;
    names.reserve(count);
    char number[32];
    for (std::size_t i = 0; i < count; ++i) {
        std::string name(kWords[random() % kWords.size()]);
        name += ' ';
        name += kWords[random() % kWords.size()];
        std::snprintf(number, sizeof number, " %05zu.cfg", i);
        name += number;
        names.push_back(std::move(name));
    }
    std::shuffle(names.begin(), names.end(), random);
    return names;
}

std::string ConfigContent(const std::string& title) {
    std::string text = "LABELVEXARLNCH]\r\n";
    text += "Game Title:    " + title + "\r\n";
    text += "Notes:         A game about " + title + ", with notes long enough to wrap in the box.\r\n";
    text += "Start Locate:  C:\\Games\\" + title + "\r\n";
    text += "Launch File:   C:\\Games\\" + title + "\\game.exe\r\n";
    text += "Default Param: -window -fps 60\r\n";
    text += "HD Params:     -data C:\\Games\\data\r\n";
    text += "CD Prelaunch:  D:\\prepare.exe\r\n";
    text += "CD Params:     -cd D:\\\r\n";
    return text;
}

}  // namespace vexar::bench
