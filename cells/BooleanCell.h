// Boolean cells: shown as one of two texts of the display format, or as a check box without a format.
#pragma once

#include "sheet/Cell.h"

namespace qv {

class TXLCBoolean : public TXLCell {
public:
    static const TXLCellClass& Class();
    const TXLCellClass* GetCellClass() const override { return &Class(); }

    // The display format's part before the first ";" when true, the part after it when false.
    std::string GetText() override;
    // With an empty Format a flat check box of side Scale x 13 / 100 placed by the layout; otherwise the text.
    void DrawValue(const TXLDrawInfo& info, Rect& rect) override;
    bool GetAsBoolean() override { return m_value; }
    Variant GetValue() override { return Variant(m_value); }
    // Stores and notifies only when the value differs (or the cell's styles ask for every write).
    void SetAsBoolean(bool value) override;
    // Numbers are true when not 0; text must be a Boolean name or a number.
    void SetValue(const Variant& value) override;
    // Toggles the value.
    void DblClick() override;
    // A blank toggles the value and is consumed.
    void KeyPress(char32_t& key) override;
    // int32 1 for true, 0 for false.
    void SaveValue(ByteWriter& writer) const override;
    void LoadValue(ByteReader& reader) override;

private:
    bool m_value = false;
};

// A flat check box filling box: a one-pixel shadow frame, a window-coloured inside and, when checked, a mark
// scaled from the 13-pixel design.
void DrawFlatCheckBox(TXLCanvas& canvas, const Rect& box, bool checked);

} // namespace qv
