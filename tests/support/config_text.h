#pragma once
// Test support: the text of a configuration file from its lines, or of a valid one from its values.

#include <initializer_list>
#include <string>
#include <string_view>

namespace vexar::testing {

// The values of lines 2 to 9 of a configuration file.
struct ConfigValues {
    std::string title, notes, start_location, launch_file, default_params, hd_params, cd_prelaunch, cd_params;
};

// Returns a configuration file's text: `marker`, then `lines` (labels included), CR LF after each.
inline std::string ConfigText(std::initializer_list<std::string_view> lines,
                              std::string_view marker = "LABELVEXARLNCH]") {
    std::string text(marker);
    text += "\r\n";
    for (std::string_view line : lines) (text += line) += "\r\n";
    return text;
}

// Returns the text of a valid configuration file holding `v`, each value after a 15-character label.
inline std::string ConfigText(const ConfigValues& v) {
    const auto line = [](const std::string& value) { return "Value:         " + value; };
    return ConfigText({line(v.title), line(v.notes), line(v.start_location), line(v.launch_file),
                       line(v.default_params), line(v.hd_params), line(v.cd_prelaunch), line(v.cd_params)});
}

}  // namespace vexar::testing
