// TXLMemo: the multi-line text editor; the cell takes its lines joined by CR LF.
#pragma once

#include "editors/EditorControl.h"

#include <QPlainTextEdit>

namespace qv {

// Borderless; its height follows its text like the mask editor's. Enter goes to the grid; Ctrl+Enter starts a
// new line.
class TXLMemo final : public QPlainTextEdit, public IXLEditorControl {
public:
    explicit TXLMemo(QWidget* parent);

    QWidget& Widget() override { return *this; }
    void SelectAll() override { selectAll(); }
    // A list cell's lines, else the cell's value as text split at its line breaks.
    TXLLoadAnswer LoadCell(TXLCell& cell) override;
    void SaveCell(TXLCell& cell) override;
    void Layout(const TXLLayout& layout) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void AutoHeight();
    void ApplyLayout();

    int m_indent = 0;
    TXLHorzAlign m_alignment = haLeft;
};

} // namespace qv
