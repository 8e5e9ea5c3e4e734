// The export of the ratio table into a new .xlsx workbook.
#pragma once

#include <QDateTime>
#include <QString>

#include <string>

namespace qv {

class TXLSheet;

// The worksheet's name, also the start of the file's name.
inline const QString kExportSheetName = QStringLiteral("财务分析指标");

// Writes the ratio table's client block [0, periods + 2) × [0, 20) as it stands, row 1 column 1 onwards, into a
// new workbook with one worksheet kExportSheetName: numbers as numbers, texts as strings, empty cells and empty
// texts left empty. Nothing is computed and no cell is created. EFileError when the file cannot be written.
void WriteRatioWorkbook(const TXLSheet& ratios, int periods, const std::string& path);

// A file in the user's temporary directory that does not exist yet, named after the sheet and the time:
// "财务分析指标-20261210-195500.xlsx", with "-2", "-3" ... when that name is taken.
QString NewExportPath(const QDateTime& time);

} // namespace qv
