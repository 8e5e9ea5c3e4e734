// The search for a spreadsheet application and its start.
#include "app/window/SpreadsheetLauncher.h"

#include <QProcess>
#include <QStandardPaths>

namespace qv {

namespace {

const QString kXlsxType = QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet");
constexpr int kQueryTimeoutMs = 3000;

QString Find(const QString& name, const QStringList& searchDirs)
{
    return QStandardPaths::findExecutable(name, searchDirs);
}

// Whether the desktop names an application for .xlsx files; without one, xdg-open would only fail later.
bool HasDefaultHandler(const QString& xdgMime)
{
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), kXlsxType});
    if (!query.waitForFinished(kQueryTimeoutMs)) {
        query.kill();
        query.waitForFinished();
        return false;
    }
    return query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

bool OpenWorkbook(const QString& file, const QStringList& searchDirs)
{
    for (const QString& name : {QStringLiteral("libreoffice"), QStringLiteral("soffice"), QStringLiteral("gnumeric")}) {
        const QString program = Find(name, searchDirs);
        if (!program.isEmpty() && QProcess::startDetached(program, {file}))
            return true;
    }
    const QString xdgMime = Find(QStringLiteral("xdg-mime"), searchDirs);
    const QString xdgOpen = Find(QStringLiteral("xdg-open"), searchDirs);
    return !xdgMime.isEmpty() && !xdgOpen.isEmpty() && HasDefaultHandler(xdgMime) &&
           QProcess::startDetached(xdgOpen, {file});
}

} // namespace qv
