#pragma once
// Test support: the text of a configuration file from its lines, or of a valid one from its eight values.

#include <initializer_list>
#include <string>
#include <string_view>

namespace vexar::testing {

// The values of lines 2 to 9 of a configuration file.
struct ConfigValues {
    std::string title;
    std::string notes;
    std::string start_location;
    std::string launch_file;
    std::string default_params;
    std::string hd_params;
    std::string cd_prelaunch;
    std::string cd_params;
};

// Returns a configuration file's text: `marker`, then `lines` (labels included), CR LF after each.
inline std::string ConfigText(std::initializer_list<std::string_view> lines,
                              std::string_view marker = "LABELVEXARLNCH]") {
    std::string text(marker);
    text += "\r\n";
    for (std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// Returns the text of a valid configuration file holding `values`, each after a 15-character label.
inline std::string ConfigText(const ConfigValues& values) {
    const auto line = [](const std::string& value) { return "Value:         " + value; };
    return ConfigText({line(values.title), line(values.notes), line(values.start_location),
                       line(values.launch_file), line(values.default_params), line(values.hd_params),
                       line(values.cd_prelaunch), line(values.cd_params)});
}

}  // namespace vexar::testing
