// Where a line of text may break: after blanks, and around CJK characters by the line-start and line-end rules.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace qv {

// The byte offsets in line (UTF-8, no line breaks) at which a new line may start, ascending, each in
// (0, line.size()). A line may break after a run of blanks (not after leading blanks) and before or after a CJK
// character, but never before closing punctuation ("，。、；：？！）》」』" ...) nor after an opening bracket; a
// run of Latin letters, digits and their punctuation is never split. Linear in the line's length.
std::vector<std::size_t> LineBreakOffsets(std::string_view line);

} // namespace qv
