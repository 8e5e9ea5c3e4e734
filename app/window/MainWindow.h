// TFrmMain: the main window with its menus, the MDI area holding the workbook window, and the status bar.
#pragma once

#include "app/window/WindowServices.h"

#include <QMainWindow>

#include <functional>
#include <string>

class QMdiArea;

namespace qv {

class TEnFinancial;

// 700 × 575, centred. Creates the workbook window (which loads the data directory) maximised in its MDI area.
// After the workbook's first paint it reports the files that could not be read, then shows the first-run
// prompt unless skipped. Ending with unsaved changes asks whether to save.
class TFrmMain : public QMainWindow {
public:
    TFrmMain(const std::string& dataDirectory, const WindowServices& services);

    TEnFinancial& Workbook() const { return *m_workbook; }

    void Menu_QuitClick();
    void Menu_HelpClick();

    // Runs after the first paint's reports and prompt (the start-up benchmark quits here).
    std::function<void()> OnStarted;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void AfterFirstPaint();
    void FirstRunPrompt();

    WindowServices m_services;
    QMdiArea* m_area = nullptr;         // child
    TEnFinancial* m_workbook = nullptr; // child of the area's sub-window
};

} // namespace qv
