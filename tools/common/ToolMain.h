// The main function of a command-line tool: its command line, --help, --version and the shared exit statuses.
#pragma once

#include <CLI/CLI.hpp>

#include <functional>

namespace qv {

// A tool's exit statuses for the shared failures, as its README paragraph states them.
struct ToolStatuses {
    int WrongCommandLine;
    // An EPlatformError escaped the tool: an unreadable or damaged file, for example.
    int Error;
    // Standard output did not take everything: a full disk, for example.
    int UnwritableOutput;
};

// Adds --version ("<name> <Quorvane's version>") beside CLI11's --help to app, parses argv into the options
// declared on it and returns run()'s status. --help and --version print on standard output and end with 0. A
// CLI::ParseError (from the parser, or thrown by run for a check of its own: CLI::CallForHelp prints the help), an
// escaping EPlatformError or EOutputError, and a standard output that has not taken everything when run returns are
// reported on standard error as "<name>: <message>" and end with the matching status.
int RunTool(CLI::App& app, const ToolStatuses& statuses, int argc, char** argv, const std::function<int()>& run);

} // namespace qv
