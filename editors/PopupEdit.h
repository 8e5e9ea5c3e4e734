// TXLPopupEdit: the mask editor with a popup panel that its host's button opens.
#pragma once

#include "editors/MaskEdit.h"
#include "editors/PopupPanel.h"

namespace qv {

class TXLPopupEdit : public TXLMaskEdit {
public:
    explicit TXLPopupEdit(QWidget* parent);

    TGSPopupPanel& PopupPanel() { return m_panel; }
    // BeforePopup, then the panel opens aligned to the host.
    void ButtonClick(TXLEditStyle style, TXLButtonHalf half) override;
    // An open popup is dismissed first.
    void Layout(const TXLLayout& layout) override;

protected:
    // Prepares the panel's children; called before every popup.
    virtual void BeforePopup() {}

private:
    TGSPopupPanel m_panel;
};

} // namespace qv
