// Cell names: bijective base-26 columns and 1-based rows, both ways.
#include "sheet/CellName.h"
#include "sheet/GridError.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(CellName, ColumnsInBijectiveBase26)
{
    const struct {
        int col;
        const char* name;
    } cases[] = {
        {0, "A"},    {25, "Z"},    {26, "AA"},     {51, "AZ"}, {52, "BA"},
        {701, "ZZ"}, {702, "AAA"}, {16383, "XFD"}, {-1, ""},   {2147483647, "FXSHRXX"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColumnName(c.col), c.name) << c.col;
        if (c.col >= 0) {
            EXPECT_EQ(CellNameToPoint(std::string(c.name) + "1"), (Point{c.col, 0})) << c.name;
        }
    }
    EXPECT_EQ(PointToCellName(1, 11), "B12");
    EXPECT_EQ(PointToCellName(27, 0), "AB1");
}

TEST(CellName, ReadsLettersInAnyCaseThenADecimalRow)
{
    const struct {
        const char* name;
        Point point;
    } cases[] = {
        {"A1", {0, 0}}, {"b12", {1, 11}}, {"aA3", {26, 2}}, {"Z007", {25, 6}}, {"A2147483648", {0, 2147483647}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CellNameToPoint(c.name), c.point) << c.name;
}

TEST(CellName, RejectsWhatIsNoCellName)
{
    for (const char* name : {"", "A", "1", "A0", "A00", "A-1", "A+1", "A 1", "A1B", "1A", "A$1", "$A1", "A0x1", "A1.0",
                             "A2147483649", "FXSHRXY1", "AAAAAAAAAAAAAAAAAAAAAAAAAAAA1", "Ä1"}) {
        Point p{-7, -7};
        EXPECT_FALSE(TryCellNameToPoint(name, p)) << name;
        EXPECT_EQ(p, (Point{-7, -7})) << "left alone on failure: " << name;
        try {
            CellNameToPoint(name);
            ADD_FAILURE() << "no error for " << name;
        } catch (const EXLGridError& e) {
            EXPECT_EQ(e.Message(), "Unknown identifier!");
        }
    }
}

} // namespace
} // namespace qv
