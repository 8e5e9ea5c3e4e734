// Parsing the application's command line.
#include "app/window/StartOptions.h"

namespace qv {

const char* const kStartUsage =
    "usage: quorvane [--data-dir DIR] [--skip-first-run] [--quit-at-first-paint] [--screenshots DIR]\n"
    "  --data-dir DIR         the statement files and settings (default: $XDG_DATA_HOME/quorvane)\n"
    "  --skip-first-run       do not show the first-run e-mail prompt\n"
    "  --quit-at-first-paint  end as soon as the workbook window has painted (start-up benchmark)\n"
    "  --screenshots DIR      render each of the six pages into DIR as PNG files, then end\n";

std::optional<StartOptions> ParseStartOptions(int argc, char** argv)
{
    StartOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc || std::string(argv[i + 1]).empty())
                throw StartOptionsError{arg + " needs a value"};
            return argv[++i];
        };
        if (arg == "--help" || arg == "-h")
            return std::nullopt;
        if (arg == "--data-dir") {
            options.DataDir = value();
        } else if (arg == "--skip-first-run") {
            options.SkipFirstRun = true;
        } else if (arg == "--quit-at-first-paint") {
            options.Action = TStartAction::Quit;
        } else if (arg == "--screenshots") {
            options.Action = TStartAction::Screenshots;
            options.ScreenshotDir = value();
        } else {
            throw StartOptionsError{"unknown argument " + arg};
        }
    }
    return options;
}

} // namespace qv
