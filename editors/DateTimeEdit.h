// TXLDateTimeEdit: the date and time editor, with a drop-down calendar.
#pragma once

#include "editors/Calendar.h"
#include "editors/DateTimeText.h"
#include "editors/PopupEdit.h"

namespace qv {

// Edits a date and time, a date (option D) or a time (option T); with C, and not T, the host shows a drop-down
// button that opens a calendar. A click in the calendar takes its date and closes it. Text that does not read
// leaves the cell as it was.
class TXLDateTimeEdit final : public TXLPopupEdit {
public:
    explicit TXLDateTimeEdit(QWidget* parent);

    TXLLoadAnswer LoadCell(TXLCell& cell) override;
    // Stores nothing when neither typing nor the calendar changed the text.
    void SaveCell(TXLCell& cell) override;

    TGSCalendar& Calendar() { return m_calendar; }
    TXLDateTimeMode Mode() const { return m_mode; }
    // The text read by the mode; base when it does not read.
    TDateTime ParseText(TDateTime base) const;

protected:
    void BeforePopup() override;

private:
    void ShowDate(TDateTime value);

    TGSCalendar m_calendar;
    std::string m_dateFormat;
    TXLDateTimeMode m_mode = TXLDateTimeMode::DateAndTime;
};

} // namespace qv
