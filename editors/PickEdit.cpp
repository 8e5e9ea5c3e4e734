// The pick-list and combo-box editors: their items, loading, storing and placing the list.
#include "editors/PickEdit.h"

#include "cells/StringsCell.h"
#include "editors/TextHeight.h"
#include "sheet/Cell.h"
#include "sheet/Row.h"
#include "sheet/Section.h"

#include <QCollator>
#include <QEvent>
#include <QLineEdit>

#include <algorithm>

namespace qv {

namespace {

// The pick list reaches this far past the container's left, top and bottom edges.
constexpr int kHiddenBorder = 3;

QCollator CaseBlindCollator()
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

void SetItems(TGSPickList& list, const std::vector<std::string>& items)
{
    list.clear();
    for (const std::string& item : items)
        list.addItem(QString::fromStdString(item));
}

std::vector<std::string> LinesOf(const std::string& text)
{
    TXLStringList lines;
    lines.SetText(text);
    return lines.Lines;
}

} // namespace

std::vector<std::string> ColumnPickItems(TXLCell& cell)
{
    TXLSection* section = cell.GetSection();
    if (!section || !cell.Row())
        return {};
    const int col = cell.Col();
    const int row = cell.GetRect().top;
    const QCollator collator = CaseBlindCollator();
    std::vector<QString> sorted;
    section->ForEachCell({col, 0, col + 1, row + 1}, TXLCellWalk::Existing, [&](TXLCell& above) {
        // Merged ranges reach the walk at their anchors, which may lie in another column.
        if (above.Col() != col)
            return true;
        const std::vector<std::string> lines = LinesOf(above.GetAsString());
        if (lines.empty())
            return true;
        const QString first = QString::fromStdString(lines.front());
        const auto at = std::lower_bound(sorted.begin(), sorted.end(), first,
                                         [&](const QString& a, const QString& b) { return collator(a, b); });
        if (at == sorted.end() || collator.compare(*at, first) != 0)
            sorted.insert(at, first);
        return int(sorted.size()) < kMaxPickItems;
    });
    std::vector<std::string> items;
    items.reserve(sorted.size());
    for (const QString& item : sorted)
        items.push_back(item.toStdString());
    return items;
}

int FindPickIndex(const std::vector<std::string>& items, const std::string& text)
{
    const int count = int(items.size());
    const QString wanted = QString::fromStdString(text);
    for (int step = 1; step <= count; ++step) {
        const int i = step % count;
        if (QString::fromStdString(items[std::size_t(i)]).compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

TXLPickEdit::TXLPickEdit(QWidget* parent) : TXLPickEdit(parent, TGSPickStyle::DropDown) {}

TXLPickEdit::TXLPickEdit(QWidget* parent, TGSPickStyle style) : QWidget(parent), m_list(style, this)
{
    setFocusProxy(&m_list);
    resize(width(), LineHeight());
    PlaceList();
}

QWidget& TXLPickEdit::KeyControl()
{
    // The list has the focus and hands keys and input-method text to its edit field itself.
    return m_list;
}

void TXLPickEdit::SelectAll()
{
    if (QLineEdit* edit = m_list.lineEdit())
        edit->selectAll();
}

int TXLPickEdit::LineHeight() const
{
    return AutoTextHeight(font(), QStringLiteral("Aj"), std::max(1, width()), 0, haLeft, QWIDGETSIZE_MAX);
}

void TXLPickEdit::PlaceList()
{
    // The drop-down button of an edit field lies outside the visible part; a list without one keeps it inside.
    const int button = m_list.PickStyle() == TGSPickStyle::DropDown ? m_list.ButtonWidth() : 0;
    m_list.setGeometry(-kHiddenBorder, -kHiddenBorder, width() + 2 * kHiddenBorder + button,
                       height() + 2 * kHiddenBorder);
}

void TXLPickEdit::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Always one line high, whatever height is asked for.
    if (height() != LineHeight()) {
        resize(width(), LineHeight());
        return;
    }
    PlaceList();
}

void TXLPickEdit::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        resize(width(), LineHeight());
}

TXLLoadAnswer TXLPickEdit::LoadCell(TXLCell& cell)
{
    if (auto* list = dynamic_cast<TXLStringList*>(cell.GetDataObject())) {
        SetItems(m_list, list->Lines);
        m_list.setCurrentIndex(cell.GetAsInteger());
        return {};
    }
    SetItems(m_list, ColumnPickItems(cell));
    m_list.setCurrentIndex(-1);
    m_list.setEditText(QString::fromStdString(cell.GetDisplayText()));
    return {};
}

int TXLPickEdit::ChosenIndex() const
{
    if (m_list.currentIndex() >= 0 &&
        (!m_list.isEditable() || m_list.currentText() == m_list.itemText(m_list.currentIndex())))
        return m_list.currentIndex();
    std::vector<std::string> items;
    for (int i = 0; i < m_list.count(); ++i)
        items.push_back(m_list.itemText(i).toStdString());
    return FindPickIndex(items, m_list.currentText().toStdString());
}

void TXLPickEdit::SaveCell(TXLCell& cell)
{
    if (dynamic_cast<TXLStringList*>(cell.GetDataObject()))
        cell.SetAsInteger(ChosenIndex());
    else
        cell.SetValue(Variant(m_list.currentText().toStdString()));
}

void TXLPickEdit::Layout(const TXLLayout& layout)
{
    m_list.SetAlignment(layout.HorzAlign);
    m_list.SetIndent(layout.Indent);
}

TXLComboBox::TXLComboBox(QWidget* parent) : TXLPickEdit(parent, TGSPickStyle::DropDownList) {}

TXLLoadAnswer TXLComboBox::LoadCell(TXLCell& cell)
{
    if (auto* list = dynamic_cast<TXLStringList*>(cell.GetDataObject())) {
        SetItems(PickList(), list->Lines);
        PickList().setCurrentIndex(cell.GetAsInteger());
    } else {
        SetItems(PickList(), LinesOf(cell.GetAsString()));
    }
    return {};
}

void TXLComboBox::SaveCell(TXLCell& cell)
{
    cell.SetAsInteger(ChosenIndex());
}

} // namespace qv
