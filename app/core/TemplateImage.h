// The sheet templates as the build embeds them: the stream of each sheet and the properties around it.
#pragma once

#include <cstddef>
#include <string_view>

namespace qv {

// One sheet of the document window as its description holds it: the published properties that differ from a new
// sheet's, and the sheet stream (WriteData bytes) that ReadData turns into its content.
struct TemplateImage {
    std::string_view Name;     // component name
    std::string_view FileName; // empty for a sheet that is never saved
    int ColCount;
    int RowCount;
    std::string_view Stream;
};

// Generated at build time from app/templates, in the order the build lists the definitions.
extern const TemplateImage kTemplateImages[];
extern const std::size_t kTemplateImageCount;

} // namespace qv
