// The library manager: class registry, class numbers, editors, formats, page metrics and shutdown.
#include "sheet/Manager.h"
#include "cells/StringCell.h"
#include "sheet/GridError.h"
#include "sheet/Sheet.h"

#include <functional>
#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Manager, ClassNumbersAreTheSumsOfTheNameBytes)
{
    EXPECT_EQ(CellClassID(&TXLCString::Class()), 946);
    EXPECT_EQ(CellClassID(nullptr), 0);
    TXLManager& m = XLManager();
    EXPECT_EQ(m.CellClassByID(946), &TXLCString::Class());
    EXPECT_EQ(m.CellClassByID(0), nullptr);
    EXPECT_EQ(m.CellClassByID(12345), nullptr);
    EXPECT_EQ(m.CellClasses(0), &TXLCString::Class());
    EXPECT_EQ(m.RegisterCellClass(TXLCString::Class()), 0) << "a second registration adds nothing";
}

TEST(Manager, EditorsAndFormatsPerClass)
{
    TXLManager& m = XLManager();
    EXPECT_EQ(m.EditorClass(&TXLCString::Class(), 1)->Name, "TXLMemo");
    EXPECT_EQ(m.EditorClass(&TXLCString::Class(), 3), nullptr);
    EXPECT_EQ(m.EditorClass(&TXLCString::Class(), -1), nullptr);
    ASSERT_NE(m.CellFormats(&TXLCString::Class()), nullptr);
    EXPECT_EQ(*m.CellFormats(&TXLCString::Class()), std::vector<std::string>{""});
    static const TXLCellClass unregistered{"Nothing", nullptr};
    EXPECT_EQ(m.CellFormats(&unregistered), nullptr);
    EXPECT_EQ(m.EditorCount(&unregistered), 0);
}

TEST(Manager, KeepsTheListOfLiveSheets)
{
    const size_t before = XLManager().Sheets().All().size();
    {
        TXLSheet sheet;
        EXPECT_EQ(XLManager().Sheets().All().size(), before + 1);
        EXPECT_EQ(XLManager().Sheets().All().back(), &sheet);
    }
    EXPECT_EQ(XLManager().Sheets().All().size(), before);
}

TEST(Manager, DefaultPrinterMetrics)
{
    EXPECT_EQ(XLManager().Devices().PrinterResolution(), (Size{600, 600}));
    EXPECT_EQ(XLManager().Devices().PageRect(), (Rect{0, 0, 4676 * 96 / 600, 6744 * 96 / 600}));
}

TEST(ManagerDeathTest, UseAfterShutdownRaisesTheDestroyedError)
{
    EXPECT_EXIT(
        {
            XLManager();
            DestroyXLManager();
            try {
                TXLSheet sheet;
            } catch (const EXLGridError& e) {
                std::exit(e.Message() == "XLManager has been already destroyed!" ? 0 : 1);
            }
            std::exit(2);
        },
        ::testing::ExitedWithCode(0), "");
}

// Destroys the manager under a live cell with an interned format; answers how many uses did not raise the
// destroyed error.
int UsesNotRefusedAfterShutdown()
{
    TXLSheet sheet;
    TXLCell& cell = sheet.GetCell(0, 0);
    cell.SetFormat("@@@|kind");
    cell.SetAsString("text");
    DestroyXLManager();
    const std::function<void()> uses[] = {[&] { cell.Format(); }, [&] { cell.GetDisplayText(); },
                                          [&] { cell.GetFormatMask(); }, [&] { cell.GetFormatKind(); }};
    int notRefused = 0;
    for (const auto& use : uses) {
        try {
            use();
            ++notRefused;
        } catch (const EXLGridError& e) {
            notRefused += e.Message() == "XLManager has been already destroyed!" ? 0 : 1;
        }
    }
    return notRefused;
}

TEST(ManagerDeathTest, CellsOutlivingTheManagerRaiseInsteadOfReadingItsFormats)
{
    EXPECT_EXIT(std::exit(UsesNotRefusedAfterShutdown()), ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace qv
