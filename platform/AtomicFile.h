// Replacing a file so that a failure at any point leaves the old file as it was.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// Writes the bytes to a temporary file in the target's directory, flushes it to disk and renames it over
// the target. On any failure the temporary file is removed, the target is untouched and EFileError is raised.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace qv
