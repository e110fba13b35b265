#pragma once
// Test support: the text of a valid configuration file from the values of its eight value lines.

#include <string>

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

// Returns the text of a valid configuration file holding `values`: the marker line, then each value
// after a 15-character label, lines ended by CR LF.
inline std::string ConfigText(const ConfigValues& values) {
    std::string text = "LABELVEXARLNCH]\r\n";
    for (const std::string* value :
         {&values.title, &values.notes, &values.start_location, &values.launch_file, &values.default_params,
          &values.hd_params, &values.cd_prelaunch, &values.cd_params}) {
        text += "Value:         " + *value + "\r\n";
    }
    return text;
}

}  // namespace vexar::testing
