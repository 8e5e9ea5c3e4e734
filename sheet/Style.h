// Styles: the base styles of a sheet's sections and the named styles of a styler.
#pragma once

#include "sheet/Persistent.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace qv {

class ByteReader;
class ByteWriter;
class TXLSheet;
class TXLStyler;

// A style holds its twelve attribute slots and a cell class itself; setters always store and report.
class TXLProStyle : public TXLPersistent {
public:
    // The cell class is the first registered one, the format its first preset.
    TXLProStyle();

    TXLStyle* GetBasedOn() const override { return nullptr; }
    void SetBasedOn(TXLStyle*) override {}
    const TXLCellClass* GetCellClass() const override { return m_cellClass; }
    // Stores the class and resets Editor to 0.
    void SetCellClass(const TXLCellClass* cls) override;
    int32_t GetAttr(int slot, bool& uniform) const override;
    void SetAttr(int slot, int32_t value) override;
    bool IsStyle() const override { return true; }

    // The property record and the twelve slots.
    virtual void SaveProps(ByteWriter& writer) const;
    virtual void LoadProps(ByteReader& reader);

private:
    std::array<int32_t, kSlotCount> m_slots{};
    const TXLCellClass* m_cellClass = nullptr;
};

// The style of a sheet's client section (client flavour) or of its three title sections; it holds every group.
class TXLBaseStyle : public TXLProStyle {
public:
    TXLBaseStyle(TXLSheet& sheet, bool client);

    bool IsClient() const { return m_client; }
    TXLSheet& Sheet() const { return m_sheet; }
    // Text colour of cells marked as in error.
    TColor ErrorColor() const { return m_errorColor; }
    void SetErrorColor(TColor color);
    // Grid lines are drawn in this colour, only when it differs from Color().
    TColor LinesColor() const { return m_linesColor; }
    void SetLinesColor(TColor color);
    std::string GetNamePath() const;

    // Also becomes the layer default of the sections of its kind.
    void SetAttr(int slot, int32_t value) override;
    // Marks the sheet modified and lets the cells of its sections take the group over again.
    void Changed(TXLProp group, int members) override;

    void SaveProps(ByteWriter& writer) const override;
    void LoadProps(ByteReader& reader) override;

private:
    void InvalidateSectors() const;

    TXLSheet& m_sheet;
    TColor m_errorColor = clRed;
    TColor m_linesColor = clBtnFace;
    bool m_client;
};

// A named style of a styler; cells of attached sheets may be based on it.
class TXLStyle : public TXLProStyle {
public:
    explicit TXLStyle(TXLStyler& styler) : m_styler(styler) {}

    TXLStyler* Styler() const { return &m_styler; }
    int Index() const;
    const std::string& Alias() const { return m_alias; }
    // EXLGridError "Style named "<alias>" already exists!" when another style of the styler has it.
    void SetAlias(const std::string& alias);
    std::string GetNamePath() const;

    // Records the group, then every cell based on this style in the attached sheets takes it over again.
    void Changed(TXLProp group, int members) override;

    void SaveProps(ByteWriter& writer) const override;
    void LoadProps(ByteReader& reader) override;

private:
    TXLStyler& m_styler;
    std::string m_alias;
};

// Owns named styles, in creation order; sheets attach to it through their Styler property.
class TXLStyler {
public:
    TXLStyler() = default;
    // Detaches every sheet (last first) and frees every style (last first).
    ~TXLStyler();
    TXLStyler(const TXLStyler&) = delete;
    TXLStyler& operator=(const TXLStyler&) = delete;

    std::string Name;
    std::function<void(TXLStyler&)> OnChange;
    std::function<void(TXLStyler&)> OnModified;

    // A new style at the end of the list.
    TXLStyle& AddStyle();
    // Removes and frees the style; cells based on it lose it (and their own formatting).
    void DestroyStyle(TXLStyle* style);
    int StyleCount() const { return static_cast<int>(m_styles.size()); }
    TXLStyle* Styles(int index) const;
    int IndexOf(const TXLStyle* style) const;
    // The first style with exactly this alias, or nullptr.
    TXLStyle* FindStyle(const std::string& alias) const;

    int SheetCount() const { return static_cast<int>(m_sheets.size()); }
    TXLSheet* Sheets(int index) const { return m_sheets[index]; }

    // Raises OnChange, then sets Modified.
    void Changed();
    bool Modified() const { return m_modified; }
    void SetModified(bool modified);

    // The "Styles" binary property: stored only with at least one style; both directions end unmodified.
    bool HasStylesData() const { return !m_styles.empty(); }
    void WriteStyles(ByteWriter& writer);
    void ReadStyles(ByteReader& reader);

private:
    friend class TXLSheet;
    void AttachSheet(TXLSheet* sheet) { m_sheets.push_back(sheet); }
    void DetachSheet(TXLSheet* sheet);

    std::vector<TXLSheet*> m_sheets;
    std::vector<std::unique_ptr<TXLStyle>> m_styles;
    bool m_modified = false;
};

} // namespace qv
