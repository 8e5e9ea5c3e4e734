// The date editor: its mode, loading and storing, and the calendar.
#include "editors/DateTimeEdit.h"

#include "sheet/Cell.h"
#include "sheet/Manager.h"

namespace qv {

TXLDateTimeEdit::TXLDateTimeEdit(QWidget* parent) : TXLPopupEdit(parent), m_calendar(&PopupPanel())
{
    m_calendar.move(PopupPanel().Inset(), PopupPanel().Inset());
    m_calendar.OnClick = [this] {
        ShowDate(m_calendar.Date());
        setModified(true);
        PopupPanel().ClosePopup();
    };
}

TXLLoadAnswer TXLDateTimeEdit::LoadCell(TXLCell& cell)
{
    const std::string format = cell.GetFormatMask();
    m_dateFormat = format.substr(0, format.find(';'));
    m_calendar.setFont(window()->font());
    TDateTime value = 0;
    try {
        value = cell.GetAsDateTime();
    } catch (const std::exception&) {
        value = 0;
    }
    m_calendar.SetDate(value);
    TXLMaskEdit::LoadCell(cell);
    SetEditMask("");
    const std::string options = cell.GetFormatKind(); // lower-cased
    m_mode = options.find('t') != std::string::npos   ? TXLDateTimeMode::TimeOnly
             : options.find('d') != std::string::npos ? TXLDateTimeMode::DateOnly
                                                      : TXLDateTimeMode::DateAndTime;
    ShowDate(m_calendar.Date());
    setModified(false);
    TXLLoadAnswer answer;
    if (options.find('c') != std::string::npos && m_mode != TXLDateTimeMode::TimeOnly)
        answer.Button = esDropDown;
    return answer;
}

void TXLDateTimeEdit::SaveCell(TXLCell& cell)
{
    if (!isModified())
        return;
    cell.SetAsDateTime(ParseText(cell.GetAsDateTime()));
}

TDateTime TXLDateTimeEdit::ParseText(TDateTime base) const
{
    return ParseDateTimeText(text().toStdString(), m_mode, base, XLManager().Desktop().GetLocale());
}

void TXLDateTimeEdit::BeforePopup()
{
    m_calendar.SetDate(ParseText(m_calendar.Date()));
}

void TXLDateTimeEdit::ShowDate(TDateTime value)
{
    setText(QString::fromStdString(DateTimeText(m_dateFormat, value, XLManager().Desktop().GetLocale())));
}

} // namespace qv
