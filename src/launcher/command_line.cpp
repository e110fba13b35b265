#include "launcher/command_line.h"

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
    std::size_t end = 0;
    std::string argument;
    if (!text.empty() && text.front() == '"') {
        end = text.find('"', 1);
        argument = text.substr(1, end == std::string_view::npos ? std::string_view::npos : end - 1);
        end = end == std::string_view::npos ? text.size() : end + 1;
    } else {
        while (end < text.size() && !IsBlank(text[end])) ++end;
        argument = text.substr(0, end);
    }
    text.remove_prefix(end);
    return argument;
}

// True when `argument` is the switch `name` written with "/" or "-", in any case.
bool IsSwitch(std::string_view argument, std::string_view name) {
    if (argument.empty() || (argument[0] != '/' && argument[0] != '-')) return false;
    std::string lower(argument.substr(1));
    for (char& c : lower) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return lower == name;
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
