// Formula cells: evaluation into the stored number, error codes and their texts.
#include "formula/FormulaCell.h"

#include "formula/FormulaError.h"
#include "platform/ByteStream.h"
#include "platform/TextCodec.h"
#include "sheet/Manager.h"
#include "sheet/Section.h"
#include "sheet/Sheet.h"

#include <new>

namespace qv {

namespace {

constexpr const char* kErrorTexts[] = {"", "#VALUE!", "#NAME!", "#DIV/0!", "#CIRCULAR!"};

} // namespace

const TXLCellClass& TXLCFormula::Class()
{
    static const TXLCellClass cls{"TXLCFormula", MakeCell<TXLCFormula>};
    return cls;
}

std::string TXLCFormula::GetText()
{
    if (!m_formula.empty() && m_error != feNone)
        return kErrorTexts[m_error];
    return TXLCDouble::GetText();
}

std::string TXLCFormula::GetAsString()
{
    return m_formula.empty() ? TXLCDouble::GetAsString() : "=" + m_formula;
}

void TXLCFormula::SetAsFloat(double value)
{
    TXLCDouble::SetAsFloat(value);
    m_formula.clear();
}

void TXLCFormula::SetAsString(const std::string& text)
{
    if (text == m_formula)
        return;
    m_formula = text.substr(std::min(text.find_first_not_of('='), text.size()));
    Recalculate();
}

void TXLCFormula::SetValue(const Variant& value)
{
    if (value.Kind() == VarKind::String)
        SetAsString(value.AsString());
    else
        TXLCDouble::SetValue(value);
}

void TXLCFormula::Recalculate()
{
    m_error = feNone;
    if (m_formula.empty())
        return;
    try {
        const Variant result = Sheet().CalcExpression(m_formula, this);
        // The number cell's own setter, so that the formula stays.
        TXLCDouble::SetAsFloat(result.ToDouble(XLManager().Desktop().GetLocale()));
    } catch (const EZeroDivide&) {
        m_error = feDivByZero;
    } catch (const EXLCircular&) {
        m_error = feCircular;
    } catch (const EXLUnknown&) {
        m_error = feName;
    } catch (const std::bad_alloc&) {
        throw; // the program's memory is gone, not the formula's value: no cell may hide that
    } catch (...) {
        // Any other failure, also of a handler throwing something that is no exception class, is the formula's.
        m_error = feValue;
    }
    if (m_error != feNone)
        NotifyValue();
}

void TXLCFormula::SaveValue(ByteWriter& writer) const
{
    TXLCDouble::SaveValue(writer);
    writer.WriteString(Utf8ToGbk(m_formula));
}

void TXLCFormula::LoadValue(ByteReader& reader)
{
    TXLCDouble::LoadValue(reader);
    m_formula = GbkToUtf8(reader.ReadString("formula"));
    m_error = feNone;
}

} // namespace qv
