// List cells: a list of text lines and the index of the line shown.
#pragma once

#include "cells/StringCell.h"

#include <vector>

namespace qv {

// The lines a list cell holds; its data object.
class TXLStringList : public TXLDataObject {
public:
    std::vector<std::string> Lines;

    // The lines joined by CR LF, and one more after a final empty line, so that SetText gives the same lines back.
    std::string Text() const;
    // Split at CR LF, CR or LF; a final line break adds no line.
    void SetText(std::string_view text);
};

class TXLCStrings : public TXLCString {
public:
    static const TXLCellClass& Class();
    const TXLCellClass* GetCellClass() const override { return &Class(); }

    // The line at the item index (empty outside the list), through the display format as an edit mask.
    std::string GetText() override;
    int32_t GetAsInteger() override { return m_itemIndex; }
    // The list's text.
    std::string GetAsString() override { return m_list.Text(); }
    Variant GetValue() override { return Variant(m_list.Text()); }
    TXLDataObject* GetDataObject() override { return &m_list; }
    // Sets the item index; notifies only when it differs (or the cell's styles ask for every write).
    void SetAsInteger(int32_t value) override;
    // Replaces the lines when the text differs from the list's (or the cell's styles ask for every write).
    void SetAsString(const std::string& text) override;
    // Copies every line of a TXLStringList and always notifies; other objects are ignored.
    void SetDataObject(TXLDataObject* object) override;
    // The inherited text slot, the int32 item index, then the lines joined by CR LF.
    void SaveValue(ByteWriter& writer) const override;
    void LoadValue(ByteReader& reader) override;

private:
    TXLStringList m_list;
    int32_t m_itemIndex = 0;
};

} // namespace qv
