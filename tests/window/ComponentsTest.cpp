// The windows as the user meets them: captions, pages in order, the period spin box, the charts' series and marks.
#include "WindowTestSupport.h"

#include "app/window/FinancialChart.h"
#include "grid/Grid.h"

#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QMdiSubWindow>
#include <QSpinBox>
#include <QTest>

namespace qv::test {
namespace {

class Components : public WindowFixture {
protected:
    QChart& Chart(const char* name)
    {
        return *m_window->findChild<FinancialChart*>(QString::fromLatin1(name))->chart();
    }
};

TEST_F(Components, CaptionsPagesAndGridsOnTheDocumentsSheets)
{
    Start();
    // The maximised workbook's caption follows in brackets, as MDI frames show it.
    EXPECT_TRUE(m_window->windowTitle().startsWith(QStringLiteral("Quorvane企财分析(迷你版)")));
    const QStringList captions = {QStringLiteral("资产负债表"), QStringLiteral("损益表"),
                                  QStringLiteral("现金流量表"), QStringLiteral("财务分析"),
                                  QStringLiteral("图表分析"),   QStringLiteral("杜邦指标分析")};
    ASSERT_EQ(Pages().count(), captions.size());
    for (int page = 0; page < captions.size(); ++page)
        EXPECT_EQ(Pages().tabText(page), captions[page]) << page;
    EXPECT_EQ(Pages().currentIndex(), fpBalanceSheet);

    for (TFinSheet which : {fsBalanceSheet, fsIncomeStatement, fsCashFlow, fsRatios, fsDuPont}) {
        auto* grid = m_window->findChild<TXLGrid*>(QStringLiteral("XLGrid%1").arg(which + 1));
        ASSERT_NE(grid, nullptr) << which;
        EXPECT_EQ(grid->Sheet(), &Document().Sheet(which));
        EXPECT_EQ(grid->Options(), kDefaultOptions | OptionBit(oColSizing));
        EXPECT_EQ(grid->Color(), clBtnFace);
    }
}

TEST_F(Components, TheWorkbookWindowIgnoresCloseRequests)
{
    Start();
    auto* sub = m_window->findChild<QMdiSubWindow*>();
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->isMaximized());
    EXPECT_FALSE(sub->close());
    EXPECT_TRUE(Workbook().isVisible());
}

TEST_F(Components, ThePeriodCountTakesArrowsButNoTyping)
{
    Start();
    auto* spin = m_window->findChild<QSpinBox*>(QStringLiteral("se_max"));
    QLineEdit* edit = spin->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, QStringLiteral("7"));
    EXPECT_EQ(spin->value(), 4);
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->value(), 5);
    EXPECT_EQ(Document().PeriodCount(), 5);
    spin->setValue(9);
    EXPECT_EQ(Document().PeriodCount(), 8);
}

TEST_F(Components, TheRatioChartHasItsSeriesInLegendOrderWithLegibleMarks)
{
    CopyExampleData();
    Start();
    ShowPage(fpRatioChart);
    QChart& chart = Chart("Chart1");
    EXPECT_EQ(chart.title(), QStringLiteral("企业财务分析跟踪 按有效期数"));
    struct Expected {
        QString Title;
        Qt::GlobalColor Series; // the legend box and the marks
        Qt::GlobalColor Line;
    };
    const Expected expected[] = {
        {QStringLiteral("资产负债率"), Qt::yellow, Qt::yellow},
        {QStringLiteral("现金比率"), Qt::blue, Qt::darkGray},
        {QStringLiteral("流动比率"), Qt::red, Qt::red},
        {QStringLiteral("速动比率"), Qt::darkGreen, Qt::darkGreen},
        {QStringLiteral("销售利润率"), Qt::white, Qt::darkGray},
    };
    const QList<QAbstractSeries*> series = chart.series();
    ASSERT_EQ(series.size(), static_cast<qsizetype>(std::size(expected)));
    const QColor background = chart.backgroundBrush().color();
    for (size_t i = 0; i < std::size(expected); ++i) {
        auto* line = static_cast<QLineSeries*>(series[i]);
        const Expected& e = expected[i];
        EXPECT_EQ(line->name(), e.Title);
        EXPECT_EQ(line->count(), 4);
        EXPECT_EQ(line->pen().color().rgb(), QColor(e.Line).rgb()) << i;
        EXPECT_EQ(chart.legend()->markers(line).value(0)->brush().color().rgb(), QColor(e.Series).rgb()) << i;
        EXPECT_TRUE(line->pointLabelsVisible());
        EXPECT_EQ(line->pointLabelsColor(), LegibleOn(QColor(e.Series), background)) << i;
    }
    EXPECT_NE(static_cast<QLineSeries*>(series[4])->pointLabelsColor().rgb(), QColor(Qt::white).rgb())
        << "white marks would vanish on the light background";
}

TEST_F(Components, TheDuPontChartPlotsOneRedSeriesPerPeriod)
{
    CopyExampleData();
    WriteSettings(5, 0);
    Start();
    ShowPage(fpDuPont);
    QChart& chart = Chart("Chart_DuPont");
    EXPECT_EQ(chart.title(), QStringLiteral("净资产收益率"));
    ASSERT_EQ(chart.series().size(), 1);
    auto* line = static_cast<QLineSeries*>(chart.series()[0]);
    EXPECT_EQ(line->name(), QStringLiteral("净资产收益率"));
    EXPECT_EQ(line->color(), QColor(Qt::red));
    EXPECT_EQ(line->pointLabelsColor(), QColor(Qt::red));
    EXPECT_EQ(line->count(), 5);
    EXPECT_NEAR(line->at(1).y(), ValueAt(Document().Sheet(fsDuPont), 3, 5), 1e-4);
}

TEST(MarkColours, DarkenedOnlyWhereTheyWouldNotStandOut)
{
    const QColor light(Qt::white);
    EXPECT_EQ(LegibleOn(QColor(Qt::red), light), QColor(Qt::red));
    EXPECT_EQ(LegibleOn(QColor(Qt::blue), light), QColor(Qt::blue));
    for (QColor faint : {QColor(Qt::white), QColor(Qt::yellow)}) {
        const QColor mark = LegibleOn(faint, light);
        EXPECT_LT(mark.lightness(), faint.lightness());
        EXPECT_LT(mark.lightness(), 160) << faint.name().toStdString();
    }
}

} // namespace
} // namespace qv::test
