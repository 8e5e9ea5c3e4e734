// The pick list: completion, its keys and its edit field's layout.
#include "editors/PickList.h"

#include "editors/TextHeight.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyleOptionComboBox>
#include <QTimer>

namespace qv {

namespace {

// At most this many characters of an item complete a text.
constexpr int kMaxCompletion = 1024;

} // namespace

TGSPickList::TGSPickList(TGSPickStyle style, QWidget* parent) : QComboBox(parent), m_style(style)
{
    setEditable(style == TGSPickStyle::DropDown);
    setInsertPolicy(QComboBox::NoInsert);
    if (QLineEdit* edit = lineEdit()) {
        // Completion is the list's own, below.
        setCompleter(nullptr);
        edit->setFrame(false);
    }
    ApplyEditLayout();
}

void TGSPickList::SetAlignment(TXLHorzAlign alignment)
{
    m_alignment = alignment;
    ApplyEditLayout();
}

void TGSPickList::SetIndent(int indent)
{
    m_indent = indent;
    ApplyEditLayout();
}

void TGSPickList::ApplyEditLayout()
{
    if (QLineEdit* edit = lineEdit()) {
        edit->setAlignment(ToQtAlignment(m_alignment) | Qt::AlignVCenter);
        edit->setTextMargins(m_indent, 0, 0, 0);
    }
}

int TGSPickList::ButtonWidth() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect arrow = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
    return arrow.width() > 0 ? arrow.width() : 15;
}

void TGSPickList::Complete()
{
    QLineEdit* edit = lineEdit();
    if (!edit || !hasFocus())
        return;
    const QString text = edit->text();
    const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    if (text.isEmpty())
        return;
    for (int i = 0; i < count(); ++i) {
        const QString item = itemText(i);
        if (!item.startsWith(text, Qt::CaseInsensitive))
            continue;
        const QString completed = text.left(start) + item.mid(start, kMaxCompletion);
        edit->setText(completed);
        // The completed part selected, the caret after what was typed.
        edit->setSelection(completed.size(), start - int(completed.size()));
        return;
    }
}

void TGSPickList::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && event->modifiers() == Qt::NoModifier && !view()->isVisible()) {
        event->accept();
        return;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !view()->isVisible()) {
        event->accept();
        emit activated(currentIndex());
        return;
    }
    QComboBox::keyPressEvent(event);
    const QString typed = event->text();
    if (lineEdit() && !typed.isEmpty() && typed[0].isPrint())
        QTimer::singleShot(0, this, [this] { Complete(); });
}

} // namespace qv
