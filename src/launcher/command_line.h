#pragma once
// The launcher's command line: nothing (the window), "/run NAME [OPTIONS]" (one game started from a
// shortcut, without the window) or "/?". Reading it is portable; starting the game is RunGame's.

#include <string>
#include <string_view>

namespace vexar {

struct CommandLine {
    enum class Request {
        kWindow,    // no arguments: the launcher's window, as ever
        kRun,       // /run NAME [OPTIONS]
        kUsage,     // /? : the usage, asked for
        kBadUsage,  // an unknown switch, a missing NAME or a stray argument: the usage, and failure
    };
    Request request = Request::kWindow;
    // kRun: the game file's name as given (quotes around it removed).
    std::string name;
    // kRun: the rest of the command line after NAME and one blank, exactly as typed.
    std::string options;
};

// Returns what `command_line`, the whole command line as the system hands it over (the program's own name
// first, quoted or not), asks for; `program_file` is the running program's file name ("VexarLauncher.exe").
// "/run" and "/?" may also be written with "-", in any case. Arguments are split at blanks outside quotes
// only: a backslash before a quote is no escape (a NAME holds neither), and OPTIONS go on as typed.
CommandLine ParseCommandLine(std::string_view command_line, std::string_view program_file);

}  // namespace vexar
