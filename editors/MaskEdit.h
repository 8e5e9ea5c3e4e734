// TXLMaskEdit: the single-line text editor, with the cell's display format as its edit mask.
#pragma once

#include "editors/EditorControl.h"
#include "platform/MaskFormat.h"

#include <QLineEdit>

#include <string>

namespace qv {

// Borderless. Its height follows its text (Automatic height), capped by the host. With an edit mask in force Left
// at the start and Right at the end go on to the grid; Delete always edits; leaving never checks the mask.
class TXLMaskEdit : public QLineEdit, public IXLEditorControl {
public:
    explicit TXLMaskEdit(QWidget* parent);

    QWidget& Widget() override { return *this; }
    void SelectAll() override { selectAll(); }
    // The display format becomes the edit mask and the display text the text.
    TXLLoadAnswer LoadCell(TXLCell& cell) override;
    // The text as a string value.
    void SaveCell(TXLCell& cell) override;
    // Indent and horizontal alignment.
    void Layout(const TXLLayout& layout) override;

    // "" for no mask; a mask of literals and placeholders as the cells' display formats write them.
    void SetEditMask(const std::string& mask);
    bool HasEditMask() const { return !m_mask.Items.empty(); }
    int Indent() const { return m_indent; }
    TXLHorzAlign Alignment() const { return m_alignment; }
    // The text as the cell takes it (UTF-8): with a mask what its placeholders hold, with its literals unless the
    // mask saves placeholders only.
    std::string Text() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Sets the height for the text; the host then places the control.
    void AutoHeight();
    // Clears the selection once the current event is handled (after the host's select-all would be too late).
    void PostClearSelection();

private:
    void ApplyMargins();

    int m_indent = 0;
    TXLHorzAlign m_alignment = haLeft;
    EditMask m_mask;
};

} // namespace qv
