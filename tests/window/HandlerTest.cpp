// The workbook window's buttons, radio buttons, pages and keys, and what they do to the document.
#include "WindowTestSupport.h"

#include "app/core/Analysis.h"
#include "app/window/FinancialChart.h"

#include <QLineSeries>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>

namespace qv::test {
namespace {

class Handlers : public WindowFixture {
protected:
    void SetUp() override
    {
        CopyExampleData();
        Start();
    }
    double Ratio(int col, int row) { return ValueAt(Document().Sheet(fsRatios), col, row); }
    double DuPont(int col, int row) { return ValueAt(Document().Sheet(fsDuPont), col, row); }
    // The points of the ratio chart's "流动比率" series.
    std::vector<double> CurrentRatioPoints()
    {
        auto* chart = m_window->findChild<FinancialChart*>(QStringLiteral("Chart1"));
        std::vector<double> points;
        for (QAbstractSeries* series : chart->chart()->series())
            if (series->name() == QStringLiteral("流动比率"))
                for (const QPointF& point : static_cast<QLineSeries*>(series)->points())
                    points.push_back(point.y());
        return points;
    }
    void RaiseCurrentAssets() { SetLine(Document().Sheet(fsBalanceSheet), kBsCurrentAssets, 2, "99999999"); }
};

TEST_F(Handlers, TheRadioButtonsRecomputeBothTablesAndTheCheckedOneDoesNothing)
{
    Button("Cmd_DuPontRefesh").click();
    Button("Cmd_Count").click();
    const double plainRatio = Ratio(3, 1);
    const double plainDuPont = DuPont(3, 2);
    ASSERT_NE(plainRatio, 0);

    QTest::mouseClick(&Button("RadioButton1"), Qt::LeftButton);
    EXPECT_TRUE(Button("RadioButton1").isChecked());
    EXPECT_NEAR(Ratio(3, 1), 100 * plainRatio, 1e-9);
    EXPECT_NEAR(DuPont(3, 2), 100 * plainDuPont, 1e-9);

    // Clicking the checked button again computes nothing: the edit does not reach the table.
    RaiseCurrentAssets();
    const std::string before = SheetBytes(Document().Sheet(fsRatios));
    QTest::mouseClick(&Button("RadioButton1"), Qt::LeftButton);
    EXPECT_TRUE(SheetBytes(Document().Sheet(fsRatios)) == before);

    QTest::mouseClick(&Button("RadioButton2"), Qt::LeftButton);
    EXPECT_GT(Ratio(3, 1), plainRatio * 10);
    EXPECT_TRUE(m_dialogs.Boxes.empty());
}

TEST_F(Handlers, TheChartPageShowsTheTableAsItStandsWithoutComputing)
{
    ShowPage(fpRatios);
    ShowPage(fpRatioChart);
    const std::vector<double> old = CurrentRatioPoints();
    ASSERT_EQ(old.size(), 4u);

    RaiseCurrentAssets();
    ShowPage(fpBalanceSheet);
    ShowPage(fpRatioChart);
    EXPECT_EQ(CurrentRatioPoints(), old);

    ShowPage(fpRatios);
    ShowPage(fpRatioChart);
    const std::vector<double> fresh = CurrentRatioPoints();
    ASSERT_EQ(fresh.size(), 4u);
    EXPECT_EQ(fresh[0], old[0]);
    EXPECT_GT(fresh[1], old[1] * 10);
}

TEST_F(Handlers, SaveThenRestartBringsEverythingBack)
{
    m_window->findChild<QSpinBox*>(QStringLiteral("se_max"))->setValue(7);
    QTest::mouseClick(&Button("RadioButton1"), Qt::LeftButton);
    RaiseCurrentAssets();
    Button("Cmd_Save").click();
    ASSERT_EQ(m_dialogs.Boxes.size(), 1u);
    EXPECT_EQ(m_dialogs.Boxes[0].Kind, RecordingDialogs::kInformation);
    EXPECT_EQ(m_dialogs.Boxes[0].Caption, QStringLiteral("系统提示"));
    EXPECT_EQ(m_dialogs.Boxes[0].Text, QStringLiteral("保存成功"));
    std::vector<std::string> saved;
    for (TFinSheet which : kStatementSheets)
        saved.push_back(SheetBytes(Document().Sheet(which)));

    Stop();
    EXPECT_EQ(m_dialogs.Questions, 0) << "nothing was left unsaved";
    Start();
    EXPECT_EQ(m_window->findChild<QSpinBox*>(QStringLiteral("se_max"))->value(), 7);
    EXPECT_TRUE(Button("RadioButton1").isChecked());
    for (size_t i = 0; i < std::size(kStatementSheets); ++i)
        EXPECT_TRUE(SheetBytes(Document().Sheet(kStatementSheets[i])) == saved[i]) << i;
}

TEST_F(Handlers, AFileThatCannotBeWrittenStopsTheSaveWithItsError)
{
    std::filesystem::remove(m_data / "sy.dat");
    std::filesystem::create_directory(m_data / "sy.dat");
    Button("Cmd_Save").click();
    ASSERT_EQ(m_dialogs.Boxes.size(), 1u);
    EXPECT_EQ(m_dialogs.Boxes[0].Kind, RecordingDialogs::kError);
    EXPECT_EQ(m_dialogs.Boxes[0].Caption, QStringLiteral("Quorvane企业财务分析 1.15"));
    EXPECT_TRUE(m_dialogs.Boxes[0].Text.contains(QStringLiteral("sy.dat"))) << m_dialogs.Boxes[0].Text.toStdString();
}

TEST_F(Handlers, ClearAndResetLeavesTheRatioGroupRowsAndEveryNameColumnAlone)
{
    ShowPage(fpRatios);
    auto cellText = [this](TFinSheet which, int col, int row) {
        TXLCell* cell = Document().Sheet(which).FindCell(col, row);
        return cell ? cell->GetValue().ToString(XLManager().Desktop().GetLocale()) : std::string("<none>");
    };
    std::vector<std::string> kept;
    auto collect = [&] {
        std::vector<std::string> texts;
        for (TFinSheet which : {fsBalanceSheet, fsIncomeStatement, fsCashFlow, fsRatios, fsDuPont})
            for (int row = 0; row < Document().Sheet(which).RowCount(); ++row)
                for (int col : {0, 1})
                    texts.push_back(cellText(which, col, row));
        for (int row : kRatioKeptRows)
            for (int col = kFirstPeriodColumn; col < kPeriodColumnsEnd; ++col)
                texts.push_back(cellText(fsRatios, col, row));
        return texts;
    };
    kept = collect();
    ASSERT_NE(ValueAt(Document().Sheet(fsBalanceSheet), 2, kBsCurrentAssets), 0);

    Button("Cmd_Clear").click();
    EXPECT_EQ(collect(), kept);
    EXPECT_EQ(ValueAt(Document().Sheet(fsBalanceSheet), 2, kBsCurrentAssets), 0);
    EXPECT_EQ(Ratio(2, 1), 0);
    EXPECT_EQ(cellText(fsBalanceSheet, 2, 0), "");
    EXPECT_TRUE(m_dialogs.Boxes.empty());
}

TEST_F(Handlers, ExportWithoutASpreadsheetApplicationSaysSoAndNamesTheFile)
{
    Button("Cmd_ExportExcel").click();
    ASSERT_EQ(m_dialogs.Boxes.size(), 1u);
    EXPECT_EQ(m_dialogs.Boxes[0].Kind, RecordingDialogs::kError);
    EXPECT_EQ(m_dialogs.Boxes[0].Caption, QStringLiteral("错误提示"));
    EXPECT_EQ(m_dialogs.Boxes[0].Text, QStringLiteral("Excel可能未安装好"));
    const QString status = m_window->statusBar()->currentMessage();
    const qsizetype at = status.indexOf(QStringLiteral("/"));
    ASSERT_GE(at, 0) << status.toStdString();
    const std::filesystem::path written = status.mid(at).toStdString();
    EXPECT_TRUE(std::filesystem::exists(written)) << written;
    EXPECT_EQ(written.extension(), ".xlsx");
    std::filesystem::remove(written);
    EXPECT_FALSE(Document().HasUnsavedChanges());
}

TEST_F(Handlers, KeysMoveBetweenPagesRefreshAndSave)
{
    QWidget& workbook = Workbook();
    QTest::keyClick(&workbook, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(Pages().currentIndex(), fpIncomeStatement);
    QTest::keyClick(&workbook, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(Pages().currentIndex(), fpCashFlow);
    QTest::keyClick(&workbook, Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(&workbook, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Pages().currentIndex(), fpBalanceSheet);

    ShowPage(fpRatios);
    RaiseCurrentAssets();
    const double before = Ratio(3, 1);
    QTest::keyClick(&workbook, Qt::Key_F5);
    EXPECT_GT(Ratio(3, 1), before * 10);

    QTest::keyClick(&workbook, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(m_dialogs.Boxes.size(), 1u);
    EXPECT_EQ(m_dialogs.Boxes[0].Text, QStringLiteral("保存成功"));
}

} // namespace
} // namespace qv::test
