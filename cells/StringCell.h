// Text cells.
#pragma once

#include "sheet/Cell.h"

namespace qv {

class TXLCString : public TXLCell {
public:
    static const TXLCellClass& Class();
    const TXLCellClass* GetCellClass() const override { return &Class(); }

    std::string GetText() override;
    std::string GetAsString() override { return m_text; }
    Variant GetValue() override { return Variant(m_text); }
    // Stores and notifies only when the text differs (or the cell's styles ask for every write).
    void SetAsString(const std::string& text) override;
    void SetValue(const Variant& value) override;
    void SaveValue(ByteWriter& writer) const override;
    void LoadValue(ByteReader& reader) override;

protected:
    const std::string& Text() const { return m_text; }
    // Stores text as it came from a stream, without notification.
    void LoadText(std::string text) { m_text = std::move(text); }

private:
    std::string m_text;
};

} // namespace qv
