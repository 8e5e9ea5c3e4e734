// The six page screenshots.
#include "app/window/ScreenshotTour.h"

#include "app/window/FinancialWindow.h"
#include "app/window/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>

namespace qv {

bool SaveScreenshots(TFrmMain& window, const QString& directory)
{
    const char* const names[kFinPageCount] = {"balance-sheet", "income-statement", "cash-flow",
                                              "ratios",        "ratio-chart",      "dupont"};
    QDir().mkpath(directory);
    auto* pages = window.Workbook().findChild<QTabWidget*>(QStringLiteral("FinPage"));
    bool written = true;
    for (int page = 0; page < kFinPageCount; ++page) {
        pages->setCurrentIndex(page);
        QApplication::processEvents();
        const QString path = QStringLiteral("%1/page-%2-%3.png").arg(directory).arg(page + 1).arg(names[page]);
        written = window.grab().save(path, "PNG") && written;
    }
    return written;
}

} // namespace qv
