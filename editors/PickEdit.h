// TXLPickEdit: text with a pick list of what the column above holds; TXLComboBox: a fixed list of choices.
#pragma once

#include "editors/EditorControl.h"
#include "editors/PickList.h"

#include <QWidget>

#include <string>
#include <vector>

namespace qv {

// The pick list's items for a cell: the distinct first lines (ignoring case, sorted the same way) of the column's
// existing cells from the first row down to the cell's own, at most kMaxPickItems; no cell is created.
inline constexpr int kMaxPickItems = 50;
std::vector<std::string> ColumnPickItems(TXLCell& cell);

// The index saved for a list cell when nothing is chosen: the item equal to text (ignoring case), searched from the
// second item on and wrapping round to the first; -1 when none is.
int FindPickIndex(const std::vector<std::string>& items, const std::string& text);

// A container one text line high holding the pick list, which takes the keyboard in its place. The list reaches
// past the container's left, top and bottom edges so that its border is not seen, and past the right edge by its
// button (the list opens with Alt+Down).
class TXLPickEdit : public QWidget, public IXLEditorControl {
public:
    explicit TXLPickEdit(QWidget* parent);

    QWidget& Widget() override { return *this; }
    QWidget& KeyControl() override;
    void SelectAll() override;
    // A list cell's items and chosen index, else the column's items and the cell's display text.
    TXLLoadAnswer LoadCell(TXLCell& cell) override;
    // A list cell takes the chosen index, any other cell the text.
    void SaveCell(TXLCell& cell) override;
    void Layout(const TXLLayout& layout) override;

    TGSPickList& PickList() { return m_list; }

protected:
    TXLPickEdit(QWidget* parent, TGSPickStyle style);
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The index a list cell takes.
    int ChosenIndex() const;

private:
    void PlaceList();
    int LineHeight() const;

    TGSPickList m_list;
};

// The pick list without an edit field, its button inside the control.
class TXLComboBox final : public TXLPickEdit {
public:
    explicit TXLComboBox(QWidget* parent);

    // A list cell's items and index, else the lines of the cell's value.
    TXLLoadAnswer LoadCell(TXLCell& cell) override;
    void SaveCell(TXLCell& cell) override;
};

} // namespace qv
