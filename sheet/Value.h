// The value interface every stored cell offers: a variant with typed accessors, display text and drawing.
#pragma once

#include "platform/Variant.h"
#include "sheet/DrawInfo.h"
#include "sheet/Persistent.h"

namespace qv {

// An object a cell may hold besides its value (a picture, a list of texts).
class TXLDataObject {
public:
    virtual ~TXLDataObject() = default;
};

// How a display text wider than its content rectangle shows: clipped (texts), or as "#"s filling the width
// (numbers and dates, which would mislead when shown in part).
enum TXLOverflow : std::uint8_t { ovClip, ovFillHashes };

// text when it fits width on canvas (current font); otherwise as many "#" as fit, none when not even one does.
std::string FitOrFillHashes(const TXLCanvas& canvas, const std::string& text, int width);

class TXLValue : public TXLPersistent {
public:
    // Draws the display text in rect by the layout of info; an ovFillHashes value too wide for rect draws "#"s.
    virtual void DrawValue(const TXLDrawInfo& info, Rect& rect);
    // How the display text shows when it is wider than the content rectangle.
    virtual TXLOverflow Overflow() const { return ovClip; }

    // The typed accessors convert through GetValue and SetValue with the manager's locale; conversions
    // raise the platform's errors and leave the value unchanged.
    virtual double GetAsFloat();
    virtual TDateTime GetAsDateTime();
    virtual int32_t GetAsInteger();
    virtual std::string GetAsString();
    virtual bool GetAsBoolean();
    virtual TXLDataObject* GetDataObject() { return nullptr; }
    virtual Currency GetAsCurrency();
    virtual Variant GetValue() { return {}; }
    virtual void SetAsFloat(double value) { SetValue(value); }
    virtual void SetAsDateTime(TDateTime value) { SetValue(Variant::FromDateTime(value)); }
    virtual void SetAsInteger(int32_t value) { SetValue(value); }
    virtual void SetAsString(const std::string& value) { SetValue(value); }
    virtual void SetAsBoolean(bool value) { SetValue(value); }
    virtual void SetDataObject(TXLDataObject*) {}
    virtual void SetAsCurrency(Currency value) { SetValue(value); }
    // Reports the value group.
    virtual void SetValue(const Variant& value);

    // The text shown for the value: GetText, computed when asked (only visible cells are drawn). After shutdown
    // EXLGridError "XLManager has been already destroyed!", since formats and the locale went with the manager.
    std::string GetDisplayText();

    void AssignGroup(TXLPersistent& source, TXLProp group, int members) override;

protected:
    // Reports a change of the value.
    void NotifyValue() { Changed(prValue, 0); }
};

} // namespace qv
