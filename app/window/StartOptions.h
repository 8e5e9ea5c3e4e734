// The command line of the application.
#pragma once

#include <optional>
#include <string>

namespace qv {

// What happens after the workbook's first paint.
enum class TStartAction : uint8_t {
    Run,         // the user works
    Quit,        // the start-up benchmark: end at once
    Screenshots, // render each page into ScreenshotDir, then end
};

struct StartOptions {
    std::optional<std::string> DataDir; // --data-dir DIR
    bool SkipFirstRun = false;          // --skip-first-run
    TStartAction Action = TStartAction::Run;
    std::string ScreenshotDir; // --screenshots DIR
};

struct StartOptionsError {
    std::string Message;
};

// The usage text, for errors and --help.
extern const char* const kStartUsage;

// Raises StartOptionsError for an unknown option or a missing value; std::nullopt for --help.
std::optional<StartOptions> ParseStartOptions(int argc, char** argv);

} // namespace qv
