// A value holder with a position and extent in a section; its attributes live in the section's layers.
#pragma once

#include "platform/Geometry.h"
#include "sheet/Value.h"

#include <string>

namespace qv {

class TXLSection;

class TXLProCell : public TXLValue {
public:
    virtual TXLSection* GetSection() const = 0;
    // Section-local, right and bottom exclusive.
    virtual Rect GetRect() const = 0;
    virtual void SetRect(const Rect& rect) = 0;

    Point GetOrigin() const { return GetRect().TopLeft(); }
    int Width() const { return GetRect().Width(); }
    int Height() const { return GetRect().Height(); }
    // Merges or unmerges: the rectangle keeps its left, top and bottom (right, for SetHeight).
    void SetWidth(int width);
    void SetHeight(int height);
    // One cell, or exactly one merged range.
    bool IsSingle() const;
    // "Cell [c, r]" or "Cells [l, t : r, b]" in sheet coordinates.
    std::string GetNamePath() const;

    // From a range proxy the rectangle is taken over first (a cell merges to the range's size), then every group.
    void Assign(TXLPersistent& source) override;
    int32_t GetAttr(int slot, bool& uniform) const override;
    void SetAttr(int slot, int32_t value) override;
};

} // namespace qv
