// The property bag of everything that carries cell formatting: grouped properties, providers, change reports.
#pragma once

#include "sheet/CellClass.h"
#include "sheet/CellTypes.h"
#include "sheet/Font.h"

#include <memory>
#include <string>

namespace qv {

class ByteReader;
class ByteWriter;
class TXLStyle;

// Transient flags of a property bag.
enum TXLFlag : uint8_t {
    kFlagEditing = 1,   // bound to an in-cell editor
    kFlagRepaint = 2,   // a repaint was requested and not yet done
    kFlagError = 4,     // drawn in the error colour
    kFlagForce = 8,     // setters store and report unchanged values too (styles, range proxies)
    kFlagSuppress = 16, // changes are not recorded in Props (base styles; while inheriting)
    kFlagAnchor = 64,   // the top-left cell of a merged range
};

class TXLPersistent {
public:
    TXLPersistent();
    virtual ~TXLPersistent() = default;
    TXLPersistent(const TXLPersistent&) = delete;
    TXLPersistent& operator=(const TXLPersistent&) = delete;

    bool HasFlag(TXLFlag flag) const { return (m_flags & flag) != 0; }
    void SetFlag(TXLFlag flag, bool on) { m_flags = on ? (m_flags | flag) : (m_flags & ~flag); }

    // The groups the object holds itself. Assigning takes every group whose membership changed over again
    // from its provider.
    TXLProps Props() const { return m_props; }
    void SetProps(TXLProps props);
    bool Holds(TXLProp group) const { return (m_props & PropBit(group)) != 0; }
    // Sets Props without taking anything over (loading, replacing a cell).
    void SetPropsRaw(TXLProps props) { m_props = props; }
    // Takes another object's format without recording or reporting it (a new cell taking its class's format).
    void ShareFormat(const TXLPersistent& other) { m_format = other.m_format; }
    // Sets the format without recording or reporting it (a new style taking its class's first preset).
    void InitFormat(const std::string& format);

    TXLLayout Layout() const;
    TXLHorzAlign HorzAlign() const { return Layout().HorzAlign; }
    TXLVertAlign VertAlign() const { return Layout().VertAlign; }
    int Indent() const { return Layout().Indent; }
    TXLWrapMode WrapMode() const { return Layout().WrapMode; }
    void SetHorzAlign(TXLHorzAlign value);
    void SetVertAlign(TXLVertAlign value);
    void SetIndent(int value);
    void SetWrapMode(TXLWrapMode value);

    TColor Color() const { return Attr(kSlotColor); }
    TXLFrame Frame() const { return static_cast<TXLFrame>(Attr(kSlotFrame)); }
    TXLCellStyles Styles() const { return static_cast<TXLCellStyles>(Attr(kSlotStyles)); }
    void SetColor(TColor value) { WriteAttr(kSlotColor, value, prColor, 0); }
    void SetFrame(TXLFrame value) { WriteAttr(kSlotFrame, value, prFrame, 0); }
    void SetStyles(TXLCellStyles value) { WriteAttr(kSlotStyles, value, prStyles, 0); }

    // A side is in the set when its line is not empty and uniform over the object.
    TXLSides Sides() const;
    // Added sides get a black line of width 1, removed sides no line.
    void SetSides(TXLSides sides);
    TXLLine Side(TXLSide side) const { return UnpackLine(Attr(side)); }
    void SetSide(TXLSide side, TXLLine line);

    int Editor() const { return m_editor; }
    // An index outside the editors registered for the cell class is stored as 0.
    void SetEditor(int editor);
    // The text lives in the manager's format table: after shutdown EXLGridError "XLManager has been already
    // destroyed!".
    const std::string& Format() const;
    void SetFormat(const std::string& format);
    // The same for a format the manager interned.
    void SetInternedFormat(const std::string* format);
    // The part of Format before the first "|" (all of it without one).
    std::string GetFormatMask() const;
    // The part after the first "|", lower-cased; empty without one.
    std::string GetFormatKind() const;

    // Created on first use and filled from the font group's provider; later changes report the font group.
    TXLFont& Font();
    bool HasFontObject() const { return m_font != nullptr; }
    void SetFont(const TXLFontData& font) { Font().Assign(font); }

    // Props become empty, then every group is copied from source.
    virtual void Assign(TXLPersistent& source);
    // Takes one group over from its provider without recording it as the object's own.
    void Inherit(TXLProp group, int members);

    virtual TXLStyle* GetBasedOn() const = 0;
    virtual void SetBasedOn(TXLStyle* style) = 0;
    virtual const TXLCellClass* GetCellClass() const = 0;
    virtual void SetCellClass(const TXLCellClass* cls) = 0;
    // A 32-bit attribute of a slot; uniform tells whether it is the same over the whole object.
    virtual int32_t GetAttr(int slot, bool& uniform) const = 0;
    // Stores an attribute; the caller reports the change.
    virtual void SetAttr(int slot, int32_t value) = 0;
    // Reports a change of a group; records it in Props unless suppressed.
    virtual void Changed(TXLProp group, int members);
    // Copies one group (or the given members of it) from source.
    virtual void AssignGroup(TXLPersistent& source, TXLProp group, int members);
    // The object that supplies a group: itself when it holds it, else the first along the based-on chain.
    virtual TXLPersistent* GetProvider(TXLProp group);
    virtual bool IsStyle() const { return false; }
    virtual std::string GetText() { return {}; }

protected:
    int32_t Attr(int slot) const
    {
        bool uniform = true;
        return GetAttr(slot, uniform);
    }
    // Stores an attribute when it changed (or the force flag is set) and reports the group.
    void WriteAttr(int slot, int32_t value, TXLProp group, int members);
    void WriteLayoutMember(const TXLLayout& layout, int member);
    void FontChanged() { Changed(prFont, 0); }
    // The property record: props (the object's Props, or fewer), then the font (font group), the class number
    // (control group, with TXLRecordClass::Included), Editor and Format (control group). Loading returns the Props read
    // and sets the members through setters, or, for a cell just made for the record (TXLReport::Silent), stores Editor
    // and Format without reporting them: the record's Props replace whatever a report would record.
    void SavePropertyData(ByteWriter& writer, TXLRecordClass withClass, TXLProps props) const;
    TXLProps LoadPropertyData(ByteReader& reader, TXLRecordClass withClass, TXLReport report);
    // Drops every group from Props but those in keep, without taking anything over.
    void KeepOnlyProps(TXLProps keep) { m_props &= keep; }

private:
    void AssignControl(TXLPersistent& source, int members);
    void AssignLayout(TXLPersistent& source, int members);
    void AssignFont(TXLPersistent& source, int members);
    void AssignBorder(TXLPersistent& source);
    // The editor index as SetEditor stores it.
    int ValidEditor(int editor) const;

    std::unique_ptr<TXLFont> m_font;
    int32_t m_editor = 0;
    uint8_t m_flags = 0;
    TXLProps m_props = 0;
    // Cells share their few distinct formats: the text lives once, in the manager's pool.
    const std::string* m_format;
};

} // namespace qv
