// The body's cell hint window.
#include "grid/HintWindow.h"

#include <QHideEvent>

#include <utility>

namespace qv {

TXLHintWindow::TXLHintWindow(std::function<void()> hidden)
    : QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint), m_hidden(std::move(hidden))
{
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(1);
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

TXLHintWindow::~TXLHintWindow()
{
    if (isVisible())
        m_hidden();
}

void TXLHintWindow::ShowAt(const QString& text, const QFont& font, QPoint topLeft)
{
    setFont(font);
    setText(text);
    adjustSize();
    move(topLeft);
    show();
}

void TXLHintWindow::hideEvent(QHideEvent* event)
{
    QLabel::hideEvent(event);
    m_hidden();
}

} // namespace qv
