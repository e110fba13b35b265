#pragma once
// Made-up but realistic data for the benchmarks: configuration names and contents.

#include <cstddef>
#include <string>
#include <vector>

namespace vexar::bench {

// `count` distinct configuration file names ("Word Word 01234.cfg" and the like) in a shuffled order;
// the same names on every call.
std::vector<std::string> ConfigNames(std::size_t count);

// The nine lines of a valid configuration file for the game `title`, CR LF line ends.
std::string ConfigContent(const std::string& title);

}  // namespace vexar::bench
