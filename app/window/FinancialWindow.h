// TEnFinancial: the workbook window with the settings panel, the six pages, their grids and charts, and its handlers.
#pragma once

#include "app/core/FinancialDocument.h"
#include "app/window/WindowServices.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace qv {

class FinancialChart;
class TXLGrid;

// Whether a save ends with "保存成功".
enum class TSaveConfirm : uint8_t { Show, Quiet };

// The pages of FinPage, in order.
enum TFinPage : uint8_t { fpBalanceSheet, fpIncomeStatement, fpCashFlow, fpRatios, fpRatioChart, fpDuPont };
inline constexpr int kFinPageCount = 6;

// Owns the document (and so the five sheets) and shows them in five grids. Creating the window loads the files
// and settings of the data directory (FormCreate). Errors of handlers go to the standard error box; a close
// request is ignored, the window lives as long as the program.
class TEnFinancial : public QWidget {
public:
    TEnFinancial(const std::string& dataDirectory, const WindowServices& services, QWidget* parent = nullptr);
    ~TEnFinancial() override;

    FinancialDocument& Document() { return *m_document; }
    // Shows the load problems in one error box, once.
    void ReportLoadProblems();

    // The handlers, as the buttons, pages and radio buttons run them.
    void Cmd_SaveClick();
    void Cmd_ClearClick();
    void Cmd_CountClick();
    void DuPontCount();
    void TabSheet5Show();
    void RadioButton1Click();
    void RadioButton2Click();
    void Cmd_ExportExcelClick();
    void Cmd_DuPontShowClick();
    // F5: the current page's refresh (ratios, chart refill or DuPont; nothing on a statement page).
    void RefreshCurrentPage();
    // Closes the statement pages' editors, each storing its edit into its cell.
    void StoreEdits();
    // Saves; false (after the error box) when a file could not be written.
    bool Save(TSaveConfirm confirm);

    // Called once, after the window's first paint.
    std::function<void()> OnFirstPaint;
    // A message for the frame's status bar.
    std::function<void(const QString&)> OnStatus;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* NewSettingsPanel();
    QWidget* NewGridPage(TFinSheet sheet, QWidget* panel);
    QWidget* NewRatioPanel();
    QWidget* NewDuPontPanel();
    void FormCreate();
    void PageShown(int index);
    void SelectMode(TDisplayMode mode);
    void ShowDuPontChart();
    // Runs a handler's work; an error goes to the standard error box.
    void Guarded(const std::function<void()>& work);
    void ShowError(const QString& text);

    std::unique_ptr<FinancialDocument> m_document;
    std::string m_directory;
    WindowServices m_services;
    std::vector<LoadProblem> m_problems;
    bool m_painted = false;
    // Children of the window.
    QSpinBox* m_periods = nullptr;
    QRadioButton* m_plain = nullptr;
    QRadioButton* m_percent = nullptr;
    QTabWidget* m_pages = nullptr;
    std::array<TXLGrid*, kFinSheetCount> m_grids{};
    FinancialChart* m_ratioChart = nullptr;
    FinancialChart* m_dupontChart = nullptr;
};

} // namespace qv
