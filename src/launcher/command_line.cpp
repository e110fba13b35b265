#include "launcher/command_line.h"

#include <algorithm>

#include "platform/utf.h"

namespace vexar {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Removes the leading blanks of `text`.
void SkipBlanks(std::string_view& text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
}

// The position of the first blank of `text` at or after `from`; text.size() when there is none.
std::size_t NextBlank(std::string_view text, std::size_t from) {
    const auto blank = std::find_if(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), IsBlank);
    return static_cast<std::size_t>(blank - text.begin());
}

// Takes the next argument off `text`: up to the closing quote when it begins with one (quotes removed),
// otherwise up to the next blank.
std::string TakeArgument(std::string_view& text) {
    if (!text.empty() && text.front() == '"') {
        const std::size_t quote = text.find('"', 1);
        std::string argument(text.substr(1, quote == std::string_view::npos ? quote : quote - 1));
        text.remove_prefix(quote == std::string_view::npos ? text.size() : quote + 1);
        return argument;
    }
    const std::size_t blank = NextBlank(text, 0);
    std::string argument(text.substr(0, blank));
    text.remove_prefix(blank);
    return argument;
}

// True when the last part of `path` is `file` or `file` without ".exe", in any ASCII case.
bool NamesProgram(std::string_view path, std::string_view file) {
    const std::string last = utf::AsciiLower(path.substr(path.find_last_of("\\/") + 1));
    const std::string wanted = utf::AsciiLower(file);
    return !wanted.empty() &&
           (last == wanted || (wanted.ends_with(".exe") && last == wanted.substr(0, wanted.size() - 4)));
}

// Takes the program's own name off `text`. Windows starts a program whose path holds blanks also when
// the path is not quoted (a Run key, a scheduled task or a front-end may leave the quotes off), trying
// the shortest part of the line first; so an unquoted name ends at the first blank, or the line's end,
// where what comes before it names `program_file`, and at the first blank when nothing does.
void SkipProgramName(std::string_view& text, std::string_view program_file) {
    if (!text.empty() && text.front() == '"') {
        TakeArgument(text);
        return;
    }
    for (std::size_t end = NextBlank(text, 0);; end = NextBlank(text, end + 1)) {
        if (NamesProgram(text.substr(0, end), program_file)) {
            text.remove_prefix(end);
            return;
        }
        if (end == text.size()) break;
    }
    TakeArgument(text);
}

// True when `argument` is the switch `name` written with "/" or "-", in any case.
bool IsSwitch(std::string_view argument, std::string_view name) {
    return !argument.empty() && (argument[0] == '/' || argument[0] == '-') &&
           utf::AsciiLower(argument.substr(1)) == name;
}

}  // namespace

CommandLine ParseCommandLine(std::string_view command_line, std::string_view program_file) {
    SkipProgramName(command_line, program_file);
    SkipBlanks(command_line);
    if (command_line.empty()) return {};
    const std::string first = TakeArgument(command_line);
    if (IsSwitch(first, "?")) return {CommandLine::Request::kUsage, {}, {}};
    if (!IsSwitch(first, "run")) return {CommandLine::Request::kBadUsage, {}, {}};
    SkipBlanks(command_line);
    CommandLine run{CommandLine::Request::kRun, TakeArgument(command_line), {}};
    if (run.name.empty()) return {CommandLine::Request::kBadUsage, {}, {}};
    if (!command_line.empty() && IsBlank(command_line.front())) command_line.remove_prefix(1);
    run.options = command_line;
    return run;
}

}  // namespace vexar
