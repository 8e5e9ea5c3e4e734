// A program that forgot the engine's start-up gets clear errors instead of silently empty sheets.
#include "cells/StringCell.h"
#include "platform/ByteStream.h"
#include "sheet/GridError.h"
#include "sheet/Section.h"
#include "sheet/Sheet.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

std::string StreamWithOneCell()
{
    TXLSheet sheet;
    sheet.SetColCount(2);
    sheet.SetRowCount(2);
    sheet.Section(sClient).ReplaceCell({1, 1}, &TXLCString::Class()).SetAsString("text");
    ByteWriter writer;
    sheet.WriteData(writer);
    return writer.Take();
}

TEST(UnstartedEngine, ReadingCellsRaisesInsteadOfSkippingThem)
{
    const std::string bytes = StreamWithOneCell();
    TXLSheet sheet;
    ByteReader reader(bytes);
    try {
        sheet.ReadData(reader);
        FAIL() << "a stream with cells was read without registered classes";
    } catch (const EXLGridError& e) {
        EXPECT_EQ(e.Message(), "No cell classes are registered: the engine is not started");
    }
}

TEST(UnstartedEngine, CalcExpressionNamesTheMissingFormulaEngine)
{
    TXLSheet sheet;
    try {
        sheet.CalcExpression("1+1", nullptr);
        FAIL() << "evaluated without a formula engine";
    } catch (const EXLGridError& e) {
        EXPECT_EQ(e.Message(), "The formula engine is not started");
    }
}

} // namespace
} // namespace qv
