// Rendering each page of the main window into a PNG file, for the README.
#pragma once

#include <QString>

namespace qv {

class TFrmMain;

// Shows each of the six pages in turn (running its show handler) and saves the main window as
// DIR/page-1-balance-sheet.png ... DIR/page-6-dupont.png. False when a file cannot be written.
bool SaveScreenshots(TFrmMain& window, const QString& directory);

} // namespace qv
