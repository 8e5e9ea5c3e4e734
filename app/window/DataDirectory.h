// Where the statement files and settings live.
#pragma once

#include <optional>
#include <string>

namespace qv {

// The directory given, else $XDG_DATA_HOME/quorvane (~/.local/share/quorvane); created when missing.
// EFileError when it cannot be created or is no directory.
std::string ResolveDataDirectory(const std::optional<std::string>& given);

} // namespace qv
