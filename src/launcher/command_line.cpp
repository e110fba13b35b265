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

// Takes the next argument off `text`: up to the closing quote when it begins with one (quotes removed),
// otherwise up to the next blank.
std::string TakeArgument(std::string_view& text) {
    if (!text.empty() && text.front() == '"') {
        const std::size_t quote = text.find('"', 1);
        std::string argument(text.substr(1, quote == std::string_view::npos ? quote : quote - 1));
        text.remove_prefix(quote == std::string_view::npos ? text.size() : quote + 1);
        return argument;
    }
    const std::size_t blank = std::min(text.find_first_of(" \t"), text.size());
    std::string argument(text.substr(0, blank));
    text.remove_prefix(blank);
    return argument;
}

// True when `argument` is the switch `name` written with "/" or "-", in any case.
bool IsSwitch(std::string_view argument, std::string_view name) {
    return !argument.empty() && (argument[0] == '/' || argument[0] == '-') &&
           utf::AsciiLower(argument.substr(1)) == name;
}

}  // namespace

CommandLine ParseCommandLine(std::string_view command_line) {
    TakeArgument(command_line);  // the program's own name
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
