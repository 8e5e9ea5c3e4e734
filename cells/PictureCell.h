// Picture cells: a picture drawn by the cell's wrap mode.
#pragma once

#include "cells/Picture.h"
#include "sheet/Cell.h"

#include <memory>

namespace qv {

class TXLCPicture : public TXLCell {
public:
    // Every change of the picture notifies.
    TXLCPicture();

    static const TXLCellClass& Class();
    const TXLCellClass* GetCellClass() const override { return &Class(); }

    TXLPicture& Picture() { return *m_picture; }
    TXLDataObject* GetDataObject() override { return m_picture.get(); }
    // Copies a TXLPicture (nullptr clears the picture); other objects are ignored.
    void SetDataObject(TXLDataObject* object) override;
    // The natural size scaled by Scale / 100, placed by the wrap mode (clip natural, ellipsis fitted, word wrap
    // stretched; an icon always natural) and drawn stretched into that box. Nothing without a graphic.
    void DrawValue(const TXLDrawInfo& info, Rect& rect) override;
    // The natural width plus the indent by the natural height with wmClip; 0 x 0 otherwise or without a graphic.
    Size Measure(TXLCanvas& canvas) override;
    // The picture block.
    void SaveValue(ByteWriter& writer) const override;
    void LoadValue(ByteReader& reader) override;

private:
    std::unique_ptr<TXLPicture> m_picture;
};

} // namespace qv
