// The memo editor: lines in and out of the cell, margins, alignment and automatic height.
#include "editors/Memo.h"

#include "cells/StringsCell.h"
#include "editors/TextHeight.h"
#include "sheet/Cell.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

namespace qv {

TXLMemo::TXLMemo(QWidget* parent) : QPlainTextEdit(parent)
{
    setFrameStyle(QFrame::NoFrame);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(0);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { AutoHeight(); });
}

TXLLoadAnswer TXLMemo::LoadCell(TXLCell& cell)
{
    QStringList lines;
    if (auto* list = dynamic_cast<TXLStringList*>(cell.GetDataObject())) {
        for (const std::string& line : list->Lines)
            lines.append(QString::fromStdString(line));
    } else {
        TXLStringList split;
        split.SetText(cell.GetAsString());
        for (const std::string& line : split.Lines)
            lines.append(QString::fromStdString(line));
    }
    setPlainText(lines.join(QLatin1Char('\n')));
    AutoHeight();
    QTimer::singleShot(0, this, [this] {
        QTextCursor cursor = textCursor();
        cursor.clearSelection();
        setTextCursor(cursor);
    });
    return {};
}

void TXLMemo::SaveCell(TXLCell& cell)
{
    TXLStringList lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        lines.Lines.push_back(block.text().toStdString());
    cell.SetAsString(lines.Text());
}

void TXLMemo::Layout(const TXLLayout& layout)
{
    m_indent = layout.Indent;
    m_alignment = layout.HorzAlign;
    ApplyLayout();
    AutoHeight();
}

void TXLMemo::ApplyLayout()
{
    const TXLIndentMargins margins = IndentMargins(m_indent, m_alignment);
    setViewportMargins(margins.Left, 0, margins.Right, 0);
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(ToQtAlignment(m_alignment));
    document()->setDefaultTextOption(option);
}

void TXLMemo::AutoHeight()
{
    const QWidget* host = parentWidget();
    const int cap = host ? host->contentsRect().height() : QWIDGETSIZE_MAX;
    const int height = AutoTextHeight(font(), toPlainText(), width(), m_indent, m_alignment, cap);
    if (height != this->height())
        resize(width(), height);
}

void TXLMemo::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & Qt::ControlModifier)) {
        insertPlainText(QStringLiteral("\n"));
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TXLMemo::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    AutoHeight();
}

} // namespace qv
