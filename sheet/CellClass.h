// Descriptors of cell value classes and editor classes, the identities the registries hold.
#pragma once

#include "sheet/SheetMemory.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace qv {

class TXLCell;

constexpr int32_t ByteSum(std::string_view text)
{
    int32_t sum = 0;
    for (unsigned char c : text)
        sum += c;
    return sum;
}

// A cell value class: its name (whose byte sum is the class number the stream stores) and its factory,
// which creates the cell in a sheet's memory.
struct TXLCellClass {
    std::string_view Name;
    std::unique_ptr<TXLCell> (*Create)(SheetMemory& memory);
    int32_t ID = ByteSum(Name);
};

template <class Cell> std::unique_ptr<TXLCell> MakeCell(SheetMemory& memory)
{
    static_assert(sizeof(Cell) <= SheetMemory::kMaxBlock, "cells are small blocks of their sheet's memory");
    return std::unique_ptr<TXLCell>(new (memory) Cell);
}

// The class number of a cell class: the sum of the bytes of its name; 0 for no class.
constexpr int32_t CellClassID(const TXLCellClass* cls)
{
    return cls ? cls->ID : 0;
}

// An in-cell editor control class; the editors module gives it behaviour, the engine only counts and names it.
struct TXLEditorClass {
    std::string_view Name;
};

} // namespace qv
