// What the windows are given from outside: message boxes, user settings, the spreadsheet search and start-up choices.
#pragma once

#include <QStringList>

#include <cstdint>

namespace qv {

class Dialogs;
class UserSettings;

// Whether the first-run prompt may appear (tests, the benchmark and screenshots skip it).
enum class TFirstRunPrompt : uint8_t { Ask, Skip };

struct WindowServices {
    Dialogs* Messages = nullptr;       // referenced, outlives the windows
    UserSettings* Settings = nullptr;  // referenced, outlives the windows
    QStringList SpreadsheetSearchDirs; // where the export looks for a spreadsheet application; empty: the PATH
    TFirstRunPrompt FirstRun = TFirstRunPrompt::Ask;
};

} // namespace qv
