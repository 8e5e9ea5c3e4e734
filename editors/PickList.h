// TGSPickList: a combo box whose edit field completes what is typed from its items.
#pragma once

#include "sheet/CellTypes.h"

#include <QComboBox>

namespace qv {

// The list's two styles: an edit field with a drop-down list, or a drop-down list alone.
enum class TGSPickStyle : uint8_t { DropDown, DropDownList };

// Up and Down do not change the choice while the list is closed; Alt+Down opens it. Enter is taken (the click
// event fires). After each typed character but Backspace the text is completed with the first item beginning with
// it, ignoring case, the completed part selected.
class TGSPickList final : public QComboBox {
public:
    TGSPickList(TGSPickStyle style, QWidget* parent);

    TGSPickStyle PickStyle() const { return m_style; }
    // The edit field's alignment and left margin.
    void SetAlignment(TXLHorzAlign alignment);
    void SetIndent(int indent);
    TXLHorzAlign Alignment() const { return m_alignment; }
    int Indent() const { return m_indent; }
    // The width of the drop-down button.
    int ButtonWidth() const;
    // Completes the edit text from the items (what a typed character posts).
    void Complete();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ApplyEditLayout();

    TGSPickStyle m_style;
    TXLHorzAlign m_alignment = haLeft;
    int m_indent = 0;
};

} // namespace qv
