// The tools' main function.
#include "tools/common/ToolMain.h"

#include "platform/Errors.h"
#include "tools/common/OutputStream.h"

#include <iostream>
#include <sstream>

namespace qv {

namespace {

int WrongCommandLine(const CLI::App& app, const CLI::ParseError& e, const ToolStatuses& statuses)
{
    std::cerr << app.get_name() << ": " << e.what() << '\n' << app.help();
    return statuses.WrongCommandLine;
}

// Help and version texts: their only failure is an unwritable standard output. They are written in one piece,
// so that the failure is seen with its reason.
int Printed(const CLI::App& app, const CLI::ParseError& request, const ToolStatuses& statuses)
{
    std::ostringstream text;
    app.exit(request, text);
    try {
        std::cout << text.str();
        FlushChecked(std::cout);
    } catch (const EOutputError& e) {
        std::cerr << app.get_name() << ": " << e.what() << '\n';
        return statuses.UnwritableOutput;
    }
    return 0;
}

int Run(const CLI::App& app, const ToolStatuses& statuses, const std::function<int()>& run)
{
    const std::string& name = app.get_name();
    try {
        const int status = run();
        FlushChecked(std::cout);
        return status;
    } catch (const CLI::ParseError& e) {
        return WrongCommandLine(app, e, statuses);
    } catch (const EOutputError& e) {
        std::cerr << name << ": " << e.what() << '\n';
        return statuses.UnwritableOutput;
    } catch (const EPlatformError& e) {
        std::cerr << name << ": " << e.Message() << '\n';
        return statuses.Error;
    }
}

} // namespace

int RunTool(CLI::App& app, const ToolStatuses& statuses, int argc, char** argv, const std::function<int()>& run)
{
    app.set_version_flag("--version", app.get_name() + " " + QV_VERSION);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success))
            return Printed(app, e, statuses);
        return WrongCommandLine(app, e, statuses);
    }
    return Run(app, statuses, run);
}

} // namespace qv
