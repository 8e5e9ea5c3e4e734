// Attribute slots of cells and ranges, read from and written to the section's property layers.
#include "sheet/ProCell.h"

#include "sheet/ProRange.h"
#include "sheet/Section.h"
#include "sheet/Sheet.h"

namespace qv {

namespace {

// The line layers hold a cell's left (vertical layer) and top (horizontal layer) line.
struct LineRun {
    TXLLayerId layer;
    int outerFirst, outerEnd; // [first, end)
    int innerFirst, innerEnd;
};

LineRun RunOfSide(int side, const Rect& r)
{
    switch (side) {
    case sLeft:
        return {kLayerVertLines, r.left, r.left + 1, r.top, r.bottom};
    case sRight:
        return {kLayerVertLines, r.right, r.right + 1, r.top, r.bottom};
    case sVInside:
        return {kLayerVertLines, r.left + 1, r.right, r.top, r.bottom};
    case sTop:
        return {kLayerHorzLines, r.top, r.top + 1, r.left, r.right};
    case sBottom:
        return {kLayerHorzLines, r.bottom, r.bottom + 1, r.left, r.right};
    default:
        return {kLayerHorzLines, r.top + 1, r.bottom, r.left, r.right};
    }
}

bool IsLineSlot(int slot)
{
    return slot == sLeft || slot == sTop || slot == sRight || slot == sBottom || slot == sHInside || slot == sVInside;
}

} // namespace

void TXLProCell::SetWidth(int width)
{
    const Rect r = GetRect();
    SetRect({r.left, r.top, ClampedSum(r.left, width), r.bottom});
}

void TXLProCell::SetHeight(int height)
{
    const Rect r = GetRect();
    SetRect({r.left, r.top, r.right, ClampedSum(r.top, height)});
}

void TXLProCell::Assign(TXLPersistent& source)
{
    if (const auto* range = dynamic_cast<const TXLProRange*>(&source))
        SetRect(range->GetRect());
    TXLPersistent::Assign(source);
}

bool TXLProCell::IsSingle() const
{
    const Rect r = GetRect();
    return (r.Width() == 1 && r.Height() == 1) || GetSection()->IsUnionRect(r);
}

std::string TXLProCell::GetNamePath() const
{
    const TXLSection* section = GetSection();
    const Rect r = section->ToSheet(GetRect());
    if (IsSingle() && r.Width() == 1 && r.Height() == 1)
        return "Cell [" + std::to_string(r.left) + ", " + std::to_string(r.top) + "]";
    return "Cells [" + std::to_string(r.left) + ", " + std::to_string(r.top) + " : " + std::to_string(r.right - 1) +
           ", " + std::to_string(r.bottom - 1) + "]";
}

int32_t TXLProCell::GetAttr(int slot, bool& uniform) const
{
    const TXLSection* section = GetSection();
    const Rect r = GetRect();
    uniform = true;
    if (IsLineSlot(slot)) {
        const LineRun run = RunOfSide(slot, r);
        return section->ReadUniform(run.layer, run.outerFirst, run.outerEnd, run.innerFirst, run.innerEnd, uniform);
    }
    const int32_t value = section->GetLayerValue(LayerOfSlot(slot), r.left, r.top);
    // Colours read back through the line decoding.
    return slot == kSlotColor ? UnpackLine(value).Color : value;
}

void TXLProCell::SetAttr(int slot, int32_t value)
{
    TXLSection* section = GetSection();
    const Rect r = GetRect();
    if (IsLineSlot(slot)) {
        const LineRun run = RunOfSide(slot, r);
        section->SetLines(run.layer, run.outerFirst, run.outerEnd, run.innerFirst, run.innerEnd, value);
        section->NormaliseUnionsIn(r);
        section->Sheet().InvalidateCells(section->Sector(), r, kInvalidateBorder);
        return;
    }
    section->SetAreaAttr(LayerOfSlot(slot), r, value);
    section->NormaliseUnionsIn(r);
}

} // namespace qv
