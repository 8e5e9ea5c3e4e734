// Typing into a statement page: the figure reaches the sheet, the document is unsaved and the ratios follow.
#include "WindowTestSupport.h"

#include "app/core/Analysis.h"
#include "grid/Grid.h"

#include <QApplication>
#include <QTest>

namespace qv::test {
namespace {

class EditInPlace : public WindowFixture {
protected:
    void SetUp() override
    {
        CopyExampleData();
        Start();
    }
    // Types into the balance sheet's first period of current assets, as a user would: the first key on the grid
    // opens the editor, which takes the rest.
    TXLGrid& TypeCurrentAssets(const QString& text)
    {
        ShowPage(fpBalanceSheet);
        auto* grid = m_window->findChild<TXLGrid*>(QStringLiteral("XLGrid1"));
        grid->activateWindow();
        grid->setFocus();
        grid->View(sClient).SetCurrent({kFirstPeriodColumn, kBsCurrentAssets}, TXLCollapse::Collapse,
                                       TXLReveal::MakeVisible);
        for (QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        return *grid;
    }
};

TEST_F(EditInPlace, AFigureTypedIntoCurrentAssetsChangesTheCurrentRatio)
{
    ShowPage(fpRatios);
    const double before = ValueAt(Document().Sheet(fsRatios), kFirstPeriodColumn, 1);
    ASSERT_FALSE(Document().HasUnsavedChanges());
    TXLGrid& grid = TypeCurrentAssets(QStringLiteral("99999999"));
    ASSERT_NE(QApplication::focusWidget(), &grid) << "no editor opened";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(ValueAt(Document().Sheet(fsBalanceSheet), kFirstPeriodColumn, kBsCurrentAssets), 99999999.0);
    EXPECT_TRUE(Document().HasUnsavedChanges());

    ShowPage(fpRatios);
    EXPECT_GT(ValueAt(Document().Sheet(fsRatios), kFirstPeriodColumn, 1), before * 10);
    EXPECT_EQ(ErrorCount(), 0);
}

TEST_F(EditInPlace, AnOpenEditorIsStoredBeforeTheRatiosAreComputed)
{
    TypeCurrentAssets(QStringLiteral("12345"));
    // Still typing when the page changes.
    ShowPage(fpRatios);
    EXPECT_EQ(ValueAt(Document().Sheet(fsBalanceSheet), kFirstPeriodColumn, kBsCurrentAssets), 12345.0);
}

} // namespace
} // namespace qv::test
