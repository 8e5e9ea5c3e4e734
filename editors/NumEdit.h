// TXLNumEdit: the number editor, which also takes formulas and cell references pointed at with the mouse.
#pragma once

#include "editors/MaskEdit.h"

#include <string>

namespace qv {

class TXLSheet;

// Options after the display format's "|": S asks for a spinner, F lets a text starting with "=" be a formula
// (then the editor wants clicks on other cells, which insert their names). Any other option letters replace the
// display format for the editor.
class TXLNumEdit final : public TXLMaskEdit {
public:
    explicit TXLNumEdit(QWidget* parent);

    // The format the number is shown and stepped with; see NumberFormatFor.
    void SetFormat(const std::string& displayFormat);
    const std::string& NumberFormat() const { return m_format; }
    bool IntegerMode() const { return m_integerMode; }
    double Step() const { return m_step; }
    bool FormulaEntry() const { return m_formulaEntry; }
    // The value shown; in integer mode rounded to a whole number (halves to even). Counts as an edit.
    void SetNumber(double value);
    // The text's value (a formula evaluated); EConvertError or the formula's error for what does not read.
    double GetNumber();
    bool IsValidChar(char32_t ch) const;

    TXLLoadAnswer LoadCell(TXLCell& cell) override;
    // Only an edited text is stored: a formula into a formula cell, else the number.
    void SaveCell(TXLCell& cell) override;
    void ButtonClick(TXLEditStyle style, TXLButtonHalf half) override;
    // Inserts the clicked cell's name into a formula being typed; true when the formula still checks.
    bool CellClick(Point cell, TXLShiftState shift) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateValue();
    // GetNumber + delta, or nothing when the text does not read.
    void StepBy(double delta);
    void UpdateText();
    bool IsFormulaText() const;

    double m_value = 0;
    std::string m_format;
    bool m_integerMode = true;
    double m_step = 1;
    TXLSheet* m_sheet = nullptr; // the edited cell's; evaluates formulas
    bool m_formulaEntry = false;
    // The reference inserted by the last click, until the next key: clicking again replaces it.
    int m_refStart = -1;
    int m_refLength = 0;
};

} // namespace qv
