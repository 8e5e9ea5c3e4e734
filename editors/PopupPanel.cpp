// The popup panel, its floating window and their local event loop.
#include "editors/PopupPanel.h"

#include "grid/QtGeometry.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

#include <algorithm>

namespace qv {

Point PopupPosition(const Rect& anchor, Size size, TGSPopupAlignment alignment, const Rect& screen)
{
    int left = anchor.left;
    if (alignment == TGSPopupAlignment::taRightJustify)
        left = anchor.right - size.cx;
    else if (alignment == TGSPopupAlignment::taCenter)
        left = (anchor.left + anchor.right - size.cx) / 2;
    int top = anchor.bottom;
    if (left + size.cx > screen.right)
        left = anchor.right - size.cx;
    if (anchor.bottom + size.cy > screen.bottom)
        top = anchor.top - size.cy;
    return {std::max(left, 0), std::max(top, 0)};
}

TGSProPopupPanel::TGSProPopupPanel(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags) {}

void TGSProPopupPanel::SetBorderStyle(TGSBorderStyle style)
{
    m_borderStyle = style;
    update();
}

void TGSProPopupPanel::SetBorderWidth(int width)
{
    m_borderWidth = std::max(0, width);
    update();
}

int TGSProPopupPanel::Inset() const
{
    return (m_borderStyle == TGSBorderStyle::bsSingle ? 1 : 0) + m_borderWidth;
}

void TGSProPopupPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (m_borderStyle == TGSBorderStyle::bsSingle) {
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// The floating window: a Qt popup that closes on a click outside without passing the click on, and gives every
// key to its keyboard control.
class TGSPopup final : public TGSProPopupPanel {
public:
    explicit TGSPopup(TGSPopupPanel& panel)
        : TGSProPopupPanel(panel.window(), Qt::Popup | Qt::FramelessWindowHint), m_panel(panel)
    {
        setAttribute(Qt::WA_NoMouseReplay);
        setAttribute(Qt::WA_ShowWithoutActivating);
        SetBorderStyle(panel.BorderStyle());
        SetBorderWidth(panel.BorderWidth());
        setFont(panel.font());
        setToolTip(panel.toolTip());
        QPalette p = palette();
        if (panel.Color().isValid())
            p.setColor(QPalette::Button, panel.Color());
        setPalette(p);
        connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
            if (s != Qt::ApplicationActive)
                close();
        });
    }

    // The first enabled, shown child widget: it gets the keys.
    QWidget* KeyControl() const
    {
        for (QObject* child : children())
            if (auto* w = qobject_cast<QWidget*>(child); w && w->isEnabled() && !w->isHidden())
                return w;
        return nullptr;
    }

protected:
    void keyPressEvent(QKeyEvent* event) override { Forward(event); }
    void keyReleaseEvent(QKeyEvent* event) override { Forward(event); }
    void hideEvent(QHideEvent* event) override
    {
        TGSProPopupPanel::hideEvent(event);
        m_panel.EndLoop(TGSPopupResult::Dismissed);
    }

private:
    void Forward(QKeyEvent* event)
    {
        if (event->key() == Qt::Key_Escape) {
            if (event->type() == QEvent::KeyPress)
                close();
            return;
        }
        if (QWidget* target = KeyControl()) {
            QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text(), event->isAutoRepeat(),
                           ushort(event->count()));
            QCoreApplication::sendEvent(target, &copy);
        }
    }

    TGSPopupPanel& m_panel;
};

TGSPopupPanel::TGSPopupPanel(QWidget* parent) : TGSProPopupPanel(parent)
{
    hide();
    resize(10, 10);
}

TGSPopupPanel::~TGSPopupPanel()
{
    if (m_popup)
        EndLoop(TGSPopupResult::Dismissed);
}

QWidget* TGSPopupPanel::PopupWindow() const
{
    return m_popup;
}

TGSPopupResult TGSPopupPanel::Popup(QWidget& anchor)
{
    if (m_popup)
        return TGSPopupResult::Dismissed;
    QPointer<QWidget> focused = QApplication::focusWidget();
    m_result = TGSPopupResult::Dismissed;
    if (OnPopup)
        OnPopup();
    TGSPopup popup(*this);
    m_popup = &popup;
    const int inset = Inset();
    QSize size = this->size();
    const QList<QWidget*> children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    if (m_autoSize && !children.isEmpty()) {
        QRect bounds;
        for (QWidget* child : children)
            bounds = bounds.united(child->geometry());
        size = QSize(bounds.right() + 1 + inset, bounds.bottom() + 1 + inset);
    }
    for (QWidget* child : children) {
        const QPoint at = child->pos();
        child->setParent(&popup);
        child->move(at);
        child->show();
    }
    popup.resize(size);
    const QRect a(anchor.mapToGlobal(QPoint(0, 0)), anchor.size());
    const QScreen* screen = anchor.screen();
    const Rect screenRect = screen ? FromQRect(screen->geometry()) : Rect{0, 0, INT_MAX / 2, INT_MAX / 2};
    const Point at = PopupPosition(FromQRect(a), {size.width(), size.height()}, m_alignment, screenRect);
    popup.move(at.x, at.y);
    QEventLoop loop;
    m_loop = &loop;
    popup.show();
    if (QWidget* keys = popup.KeyControl())
        keys->setFocus();
    if (m_popup)
        loop.exec();
    m_loop = nullptr;
    popup.hide();
    for (QWidget* child : children) {
        const QPoint at2 = child->pos();
        child->setParent(this);
        child->move(at2);
        child->show();
    }
    m_popup = nullptr;
    if (OnClose)
        OnClose();
    if (focused && QGuiApplication::applicationState() == Qt::ApplicationActive)
        focused->setFocus();
    return m_result;
}

void TGSPopupPanel::ClosePopup()
{
    if (!m_popup)
        return;
    EndLoop(TGSPopupResult::Accepted);
}

void TGSPopupPanel::EndLoop(TGSPopupResult result)
{
    if (!m_loop || !m_popup)
        return;
    if (m_loop->isRunning()) {
        m_result = result;
        m_loop->quit();
    }
}

} // namespace qv
