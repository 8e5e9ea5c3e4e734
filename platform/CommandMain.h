// The main function of a command-line program over the engine.
#pragma once

#include "platform/Errors.h"

#include <iostream>
#include <string_view>

namespace qv {

// Runs the program; a platform error that escapes it is reported as "<program>: <message>" on standard error
// and ends the program with failureStatus.
inline int RunCommand(std::string_view program, int failureStatus, int (*run)(int, char**), int argc, char** argv)
{
    try {
        return run(argc, argv);
    } catch (const EPlatformError& e) {
        std::cerr << program << ": " << e.Message() << '\n';
        return failureStatus;
    }
}

} // namespace qv
