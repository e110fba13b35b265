#pragma once
// Test support: the text of a configuration file from its lines or its values and in each Unicode form, a
// Title.cfg record, and the bytes of a file.

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <string>

#include "platform/utf.h"

namespace vexar::testing {

// The values of lines 2 to 9 of a configuration file.
struct ConfigValues {
    std::string title, notes, start_location, launch_file, default_params, hd_params, cd_prelaunch, cd_params;
};

// Returns a configuration file's text: `marker`, then `lines`, CR LF after each.
inline std::string ConfigText(std::initializer_list<std::string> lines,
                              std::string marker = "LABELVEXARLNCH]") {
    for (const std::string& line : lines) marker += "\r\n" + line;
    return marker + "\r\n";
}

// Returns the text of a valid configuration file holding `v`, each value after a 15-character label.
inline std::string ConfigText(const ConfigValues& v) {
    const std::string l = "Value:         ";
    return ConfigText({l + v.title, l + v.notes, l + v.start_location, l + v.launch_file,
                       l + v.default_params, l + v.hd_params, l + v.cd_prelaunch, l + v.cd_params});
}

// Returns the bytes of the file `path`; nothing when it cannot be read.
inline std::optional<std::string> ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

enum class Form { kAsWritten, kUtf8Mark, kUtf16Le, kUtf16Be };

// `text` (UTF-8, or raw bytes for kAsWritten) as a file's bytes in `form`.
inline std::string Saved(const std::string& text, Form form) {
    if (form == Form::kAsWritten) return text;
    if (form == Form::kUtf8Mark) return "\xEF\xBB\xBF" + text;
    std::string bytes = form == Form::kUtf16Le ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : utf::ToUtf16(text, utf::LoneSurrogate::kKeep)) {
        const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
        bytes += form == Form::kUtf16Le ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

inline const std::string k98(98, 'x');  // the longest title
// Returns Title.cfg's first record holding `title`: its length in two bytes, low first, then its
// characters, zeros to 100 bytes.
inline std::string Record(const std::string& title) {
    return (std::string{static_cast<char>(title.size()), '\0'} + title).append(100, '\0').substr(0, 100);
}

}  // namespace vexar::testing
