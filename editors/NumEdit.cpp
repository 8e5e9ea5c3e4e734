// The number editor: formats, typing, stepping, loading and storing numbers and formulas, pointing at cells.
#include "editors/NumEdit.h"

#include "cells/IntegerCell.h"
#include "editors/NumberEntry.h"
#include "formula/FormulaCell.h"
#include "platform/FloatFormat.h"
#include "sheet/Cell.h"
#include "sheet/CellName.h"
#include "sheet/Manager.h"
#include "sheet/Sheet.h"

#include <QKeyEvent>

#include <cmath>
#include <new>

namespace qv {

namespace {

const Locale& EditLocale()
{
    return XLManager().Desktop().GetLocale();
}

std::string WithoutBrackets(std::string text)
{
    std::erase_if(text, [](char c) { return c == '(' || c == ')'; });
    return text;
}

} // namespace

TXLNumEdit::TXLNumEdit(QWidget* parent) : TXLMaskEdit(parent)
{
    SetFormat("0");
}

void TXLNumEdit::SetFormat(const std::string& displayFormat)
{
    const TXLNumberFormat format = NumberFormatFor(displayFormat);
    if (format.Format == m_format)
        return;
    m_format = format.Format;
    m_integerMode = format.IntegerMode;
    m_step = format.Step;
    UpdateText();
}

void TXLNumEdit::UpdateText()
{
    setText(QString::fromStdString(FormatFloat(m_format, m_value, EditLocale())));
}

void TXLNumEdit::SetNumber(double value)
{
    m_value = m_integerMode ? std::nearbyint(value) : value;
    UpdateText();
    setModified(true);
}

double TXLNumEdit::GetNumber()
{
    UpdateValue();
    return m_value;
}

bool TXLNumEdit::IsFormulaText() const
{
    return m_formulaEntry && text().startsWith(QLatin1Char('='));
}

void TXLNumEdit::UpdateValue()
{
    const std::string typed = text().toStdString();
    if (IsFormulaText() && m_sheet) {
        m_value =
            m_sheet->CalcExpression(std::string_view(typed).substr(1), nullptr, cmEvaluate).ToDouble(EditLocale());
        return;
    }
    m_value = ReadNumberText(typed, m_integerMode, EditLocale());
}

bool TXLNumEdit::IsValidChar(char32_t ch) const
{
    const QString whole = text();
    QString outside = whole;
    if (hasSelectedText())
        outside.remove(selectionStart(), selectedText().size());
    const std::string wholeText = whole.toStdString();
    const std::string outsideText = outside.toStdString();
    return IsValidNumberChar(ch, {m_integerMode, m_formulaEntry, wholeText, outsideText}, EditLocale());
}

TXLLoadAnswer TXLNumEdit::LoadCell(TXLCell& cell)
{
    m_refStart = -1;
    m_refLength = 0;
    TXLLoadAnswer answer;
    std::string options = cell.GetFormatKind(); // lower-cased
    m_formulaEntry = false;
    if (const auto s = options.find('s'); s != std::string::npos) {
        options.erase(s, 1);
        answer.Button = esSpinner;
    }
    if (const auto f = options.find('f'); f != std::string::npos) {
        options.erase(f, 1);
        m_formulaEntry = true;
        answer.Clicks = TXLCellClicks::Wanted;
    }
    m_sheet = &cell.Sheet();
    SetFormat(options.empty() ? cell.GetFormatMask() : options);
    const bool formulaCell = cell.GetCellClass() == &TXLCFormula::Class();
    const std::string formula = formulaCell && m_formulaEntry ? cell.GetAsString() : std::string();
    if (formula.starts_with('=')) {
        setText(QString::fromStdString(formula));
    } else {
        if (m_format.empty())
            m_integerMode = cell.GetCellClass() == &TXLCInteger::Class();
        try {
            SetNumber(cell.GetAsFloat());
        } catch (const std::exception&) {
            SetNumber(0);
        }
    }
    setModified(false);
    PostClearSelection();
    return answer;
}

void TXLNumEdit::SaveCell(TXLCell& cell)
{
    if (!isModified())
        return;
    if (cell.GetCellClass() == &TXLCFormula::Class() && IsFormulaText())
        cell.SetAsString(text().toStdString());
    else
        cell.SetValue(Variant(GetNumber()));
}

void TXLNumEdit::StepBy(double delta)
{
    try {
        SetNumber(GetNumber() + delta);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        // A text that does not read is left as typed.
    }
}

void TXLNumEdit::ButtonClick(TXLEditStyle, TXLButtonHalf half)
{
    StepBy(half == TXLButtonHalf::Lower ? -m_step : m_step);
}

bool TXLNumEdit::CellClick(Point cell, TXLShiftState)
{
    if (!m_sheet)
        return false;
    const QString name = QString::fromStdString(PointToCellName(cell.x, cell.y));
    if (m_refLength == 0 || hasSelectedText()) {
        m_refStart = hasSelectedText() ? selectionStart() : cursorPosition();
        m_refLength = hasSelectedText() ? int(selectedText().size()) : 0;
    }
    QString formula = text();
    formula.replace(m_refStart, m_refLength, name);
    formula = formula.trimmed();
    if (!formula.startsWith(QLatin1Char('=')))
        return false;
    try {
        m_sheet->CalcExpression(WithoutBrackets(formula.mid(1).toStdString()), nullptr, cmCheckOnly);
    } catch (const std::exception&) {
        return false;
    }
    setSelection(m_refStart, m_refLength);
    insert(name);
    m_refLength = int(name.size());
    setCursorPosition(m_refStart + m_refLength);
    setModified(true);
    return true;
}

void TXLNumEdit::keyPressEvent(QKeyEvent* event)
{
    m_refStart = -1;
    m_refLength = 0;
    const int key = event->key();
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && event->modifiers() == Qt::ShiftModifier) {
        StepBy(key == Qt::Key_Up ? m_step : -m_step);
        return;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && (typed[0].isPrint() || typed[0] == QLatin1Char('\b')) &&
        !IsValidChar(typed[0].unicode())) {
        event->accept();
        return;
    }
    TXLMaskEdit::keyPressEvent(event);
}

} // namespace qv
