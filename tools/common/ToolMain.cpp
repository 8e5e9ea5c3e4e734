// The tools' main function.
#include "tools/common/ToolMain.h"

#include "formula/Engine.h"
#include "platform/Errors.h"
#include "tools/common/OutputStream.h"

#include <iostream>
#include <sstream>

namespace qv {

namespace {

// The status after a request for help or the version (printed), or after a wrong command line (reported).
int ParseErrorStatus(const CLI::App& app, const CLI::ParseError& e, const ToolStatuses& statuses)
{
    if (e.get_exit_code() != static_cast<int>(CLI::ExitCodes::Success)) {
        std::cerr << app.get_name() << ": " << e.what() << '\n' << app.help();
        return statuses.WrongCommandLine;
    }
    // In one piece, so that a failure to write it is seen with its reason.
    std::ostringstream text;
    app.exit(e, text);
    std::cout << text.str();
    return 0;
}

} // namespace

int RunTool(CLI::App& app, const ToolStatuses& statuses, int argc, char** argv, const std::function<int()>& run)
{
    app.set_version_flag("--version", app.get_name() + " " + QV_VERSION);
    try {
        int status = 0;
        try {
            InitEngine();
            app.parse(argc, argv);
            status = run();
        } catch (const CLI::ParseError& e) {
            status = ParseErrorStatus(app, e, statuses);
        }
        FlushChecked(std::cout);
        return status;
    } catch (const EOutputError& e) {
        std::cerr << app.get_name() << ": " << e.what() << '\n';
        return statuses.UnwritableOutput;
    } catch (const EPlatformError& e) {
        std::cerr << app.get_name() << ": " << e.Message() << '\n';
        return statuses.Error;
    }
}

} // namespace qv
