// The popup editor: opening and closing its panel.
#include "editors/PopupEdit.h"

namespace qv {

TXLPopupEdit::TXLPopupEdit(QWidget* parent) : TXLMaskEdit(parent), m_panel(this) {}

void TXLPopupEdit::ButtonClick(TXLEditStyle, TXLButtonHalf)
{
    BeforePopup();
    m_panel.Popup(parentWidget() ? *parentWidget() : static_cast<QWidget&>(*this));
}

void TXLPopupEdit::Layout(const TXLLayout& layout)
{
    if (QWidget* popup = m_panel.PopupWindow())
        popup->close();
    TXLMaskEdit::Layout(layout);
}

} // namespace qv
