// Writing the ratio table with libxlsxwriter.
#include "app/window/RatioExport.h"

#include "platform/Errors.h"
#include "sheet/Cell.h"
#include "sheet/Manager.h"
#include "sheet/Sheet.h"

#include <QDir>
#include <QFileInfo>

#include <xlsxwriter.h>

namespace qv {

namespace {

constexpr int kExportRows = 20;

[[noreturn]] void Fail(const std::string& path, lxw_error error)
{
    throw EFileError("Cannot create file \"" + path + "\". " + lxw_strerror(error));
}

// One cell's value; the workbook keeps cells it is not given empty.
lxw_error WriteValue(lxw_worksheet* sheet, int row, int col, const Variant& value)
{
    const auto r = static_cast<lxw_row_t>(row);
    const auto c = static_cast<lxw_col_t>(col);
    switch (value.Kind()) {
    case VarKind::Unassigned:
    case VarKind::Null:
        return LXW_NO_ERROR;
    case VarKind::Boolean:
        return worksheet_write_boolean(sheet, r, c, value.AsBoolean(), nullptr);
    case VarKind::String:
        return value.AsString().empty() ? LXW_NO_ERROR
                                        : worksheet_write_string(sheet, r, c, value.AsString().c_str(), nullptr);
    default:
        return worksheet_write_number(sheet, r, c, value.ToDouble(XLManager().Desktop().GetLocale()), nullptr);
    }
}

} // namespace

void WriteRatioWorkbook(const TXLSheet& ratios, int periods, const std::string& path)
{
    lxw_workbook* book = workbook_new(path.c_str());
    if (!book)
        Fail(path, LXW_ERROR_CREATING_XLSX_FILE);
    lxw_worksheet* sheet = workbook_add_worksheet(book, kExportSheetName.toStdString().c_str());
    lxw_error error = sheet ? LXW_NO_ERROR : LXW_ERROR_MEMORY_MALLOC_FAILED;
    for (int row = 0; row < kExportRows && error == LXW_NO_ERROR; ++row)
        for (int col = 0; col < periods + 2 && error == LXW_NO_ERROR; ++col)
            if (TXLCell* cell = ratios.FindCell(col, row))
                error = WriteValue(sheet, row, col, cell->GetValue());
    const lxw_error closed = workbook_close(book); // frees the workbook whatever happened
    if (error == LXW_NO_ERROR)
        error = closed;
    if (error != LXW_NO_ERROR) {
        QFile::remove(QString::fromStdString(path));
        Fail(path, error);
    }
}

QString NewExportPath(const QDateTime& time)
{
    const QString stem =
        QDir::tempPath() + u'/' + kExportSheetName + u'-' + time.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = stem + QStringLiteral(".xlsx");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = stem + u'-' + QString::number(n) + QStringLiteral(".xlsx");
    return path;
}

} // namespace qv
