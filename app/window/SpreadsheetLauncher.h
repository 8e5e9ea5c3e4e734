// Opening a workbook with the first spreadsheet application found.
#pragma once

#include <QString>
#include <QStringList>

namespace qv {

// Tries LibreOffice, then Gnumeric, then the desktop's default application for .xlsx files (xdg-mime/xdg-open),
// looking for the programs in searchDirs (empty: the PATH). Starts the first found on the file, detached; false
// when none could be started. The application is not watched afterwards.
bool OpenWorkbook(const QString& file, const QStringList& searchDirs);

} // namespace qv
