// Creating the workbook window: files and settings loaded, the percent mode computed, damaged files reported once.
#include "WindowTestSupport.h"

#include "app/core/Analysis.h"

#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

namespace qv::test {
namespace {

class Startup : public WindowFixture {
protected:
    int Periods() { return m_window->findChild<QSpinBox*>(QStringLiteral("se_max"))->value(); }
    bool PercentChecked() { return Button("RadioButton1").isChecked(); }
};

TEST_F(Startup, AFirstStartWithoutFilesShowsTheTemplatesAndNoErrorBox)
{
    Start();
    for (TFinSheet which : {fsBalanceSheet, fsIncomeStatement, fsCashFlow, fsRatios, fsDuPont})
        EXPECT_TRUE(SheetBytes(Document().Sheet(which)) == SheetBytes(*CreateTemplateSheet(which))) << which;
    EXPECT_TRUE(m_dialogs.Boxes.empty());
    EXPECT_TRUE(Button("RadioButton2").isChecked());
    EXPECT_FALSE(PercentChecked());
    EXPECT_EQ(Periods(), 4);
}

TEST_F(Startup, SixPeriodsInPercentComeBackWithBothTablesAlreadyComputed)
{
    CopyExampleData();
    WriteSettings(6, 1);
    Start();
    EXPECT_EQ(Periods(), 6);
    EXPECT_TRUE(PercentChecked());
    EXPECT_FALSE(Button("RadioButton2").isChecked());

    // The same files computed by hand in percent mode over six periods.
    FinancialDocument expected;
    expected.Load(m_data.Str());
    expected.ComputeRatios();
    expected.ComputeDuPont();
    EXPECT_TRUE(SheetBytes(Document().Sheet(fsRatios)) == SheetBytes(expected.Sheet(fsRatios)));
    EXPECT_TRUE(SheetBytes(Document().Sheet(fsDuPont)) == SheetBytes(expected.Sheet(fsDuPont)));
    EXPECT_FALSE(SheetBytes(Document().Sheet(fsDuPont)) == SheetBytes(*CreateTemplateSheet(fsDuPont)));
    EXPECT_EQ(Document().DuPontChart().Series[0].Points.size(), 6u);
    EXPECT_TRUE(m_dialogs.Boxes.empty());
}

TEST_F(Startup, ADamagedBalanceSheetIsReportedOnceAndKeptAsideAtTheNextSave)
{
    CopyExampleData();
    const std::string damaged = "XLG damaged beyond reading";
    WriteBytes(m_data / "zcfz.dat", damaged);
    Start();
    QTest::qWait(50);
    ASSERT_EQ(m_dialogs.Boxes.size(), 1u);
    const RecordingDialogs::Shown& box = m_dialogs.Boxes[0];
    EXPECT_EQ(box.Kind, RecordingDialogs::kError);
    EXPECT_EQ(box.Caption, QStringLiteral("Quorvane企业财务分析 1.15"));
    EXPECT_TRUE(box.Text.contains(QStringLiteral("zcfz.dat:"))) << box.Text.toStdString();
    EXPECT_TRUE(box.Text.contains(QStringLiteral("zcfz.dat.damaged"))) << box.Text.toStdString();
    EXPECT_FALSE(box.Text.contains(QStringLiteral("sy.dat")));
    // The other files were read all the same.
    EXPECT_TRUE(SheetBytes(Document().Sheet(fsBalanceSheet)) == SheetBytes(*CreateTemplateSheet(fsBalanceSheet)));
    EXPECT_FALSE(SheetBytes(Document().Sheet(fsIncomeStatement)) ==
                 SheetBytes(*CreateTemplateSheet(fsIncomeStatement)));

    Button("Cmd_Save").click();
    EXPECT_EQ(FileBytes(m_data / "zcfz.dat.damaged"), damaged);
    TXLSheet reread;
    EXPECT_NO_THROW(reread.LoadFromFile((m_data / "zcfz.dat").string()));
    EXPECT_EQ(ErrorCount(), 1);
}

} // namespace
} // namespace qv::test
