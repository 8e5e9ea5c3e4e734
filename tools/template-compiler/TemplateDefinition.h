// Reading the readable sheet definitions of app/templates into the sheets they describe (build time only).
#pragma once

#include "sheet/Sheet.h"

#include <memory>
#include <string>
#include <string_view>

namespace qv {

struct TemplateDefinition {
    std::string Name;     // the sheet's component name, "XLSheet1" ... "Sheet_DuPont"
    std::string FileName; // the file the sheet is saved in; empty for a sheet that is never saved
    std::unique_ptr<TXLSheet> Sheet;
};

// Builds the sheet a definition describes (notation in app/templates/README.md), directives in file order.
// A line it cannot read raises EPlatformError "<source>:<line>: <what>".
TemplateDefinition ReadTemplateDefinition(std::string_view text, const std::string& source);

} // namespace qv
