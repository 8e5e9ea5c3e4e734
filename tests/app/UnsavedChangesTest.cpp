// What counts as unsaved work: statement edits and the two settings, never the derived tables.
#include "AppTestSupport.h"
#include "app/core/Analysis.h"

#include <functional>

namespace qv {
namespace {

using test::SetLine;
using test::TempDir;

struct Case {
    const char* Name;
    std::function<void(FinancialDocument&)> Act;
    bool Unsaved;
};

TEST(UnsavedChanges, StatementEditsAndSettingsCountDerivedTablesDoNot)
{
    const Case cases[] = {
        {"nothing", [](FinancialDocument&) {}, false},
        {"balance sheet cell", [](FinancialDocument& d) { SetLine(d.Sheet(fsBalanceSheet), kBsAssets, 1, "5"); }, true},
        {"income cell", [](FinancialDocument& d) { SetLine(d.Sheet(fsIncomeStatement), kIsRevenue, 2, "5"); }, true},
        {"cash-flow cell", [](FinancialDocument& d) { SetLine(d.Sheet(fsCashFlow), 3, 1, "5"); }, true},
        {"ratio cell", [](FinancialDocument& d) { d.Sheet(fsRatios).GetCell(3, 1).SetAsFloat(2); }, false},
        {"period count", [](FinancialDocument& d) { d.SetPeriodCount(6); }, true},
        {"period count and back",
         [](FinancialDocument& d) {
             d.SetPeriodCount(6);
             d.SetPeriodCount(4);
         },
         false},
        {"display mode", [](FinancialDocument& d) { d.SelectDisplayMode(dmPercent); }, true},
        {"clear with nothing to clear", [](FinancialDocument& d) { d.Clear(); }, false},
        {"computing and charting",
         [](FinancialDocument& d) {
             d.ComputeRatios();
             d.ComputeDuPont();
             d.RatioChart();
         },
         false},
    };
    for (const Case& c : cases) {
        FinancialDocument document;
        c.Act(document);
        EXPECT_EQ(document.HasUnsavedChanges(), c.Unsaved) << c.Name;
    }
}

TEST(UnsavedChanges, SaveAndLoadBothMarkTheDocumentSaved)
{
    TempDir dir;
    FinancialDocument document;
    SetLine(document.Sheet(fsBalanceSheet), kBsAssets, 1, "5");
    document.SetPeriodCount(7);
    document.SelectDisplayMode(dmPercent);
    document.Save(dir.Str());
    EXPECT_FALSE(document.HasUnsavedChanges());

    FinancialDocument reloaded;
    reloaded.Load(dir.Str());
    EXPECT_FALSE(reloaded.HasUnsavedChanges());
    reloaded.Clear(); // the saved figure goes
    EXPECT_TRUE(reloaded.HasUnsavedChanges());
    reloaded.Save(dir.Str());
    reloaded.SelectDisplayMode(dmPlain);
    EXPECT_TRUE(reloaded.HasUnsavedChanges());
}

TEST(UnsavedChanges, AFailedSaveLeavesTheChangesUnsaved)
{
    TempDir dir;
    FinancialDocument document;
    document.SetPeriodCount(5);
    EXPECT_THROW(document.Save((dir / "missing").string()), EPlatformError);
    EXPECT_TRUE(document.HasUnsavedChanges());
}

} // namespace
} // namespace qv
