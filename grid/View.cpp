// The pane windows: Qt's repaint, scroll and resize for the pane, and its paint events.
#include "grid/View.h"

#include "grid/Grid.h"
#include "grid/QtCanvas.h"
#include "grid/QtGeometry.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

namespace qv {

TXLView::TXLView(TXLGrid& grid, TXLSector sector, TXLSizeList& cols, TXLSizeList& rows)
    : QWidget(&grid), TXLPane(grid, *this, sector, cols, rows), m_grid(grid)
{
    // Every pixel is painted by the pass, so Qt need not erase first; this also lets scrolling move pixels.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
    // Cursor shapes (and hints) follow a resting mouse, not only a pressed one.
    setMouseTracking(true);
    setAcceptDrops(true);
}

TXLView::~TXLView() = default;

void TXLView::InvalidateRegion(const Region& region)
{
    update(ToQRegion(region));
}

void TXLView::ScrollContent(int dx, int dy, const Rect& clip)
{
    scroll(dx, dy, ToQRect(clip));
}

void TXLView::paintEvent(QPaintEvent* event)
{
    const SystemPalette palette = PaletteFromQt(this->palette());
    const QRegion& region = event->region();
    const auto paintRegion = [&](TXLCanvas& canvas) {
        // A few rectangles are painted one by one; a ragged region as its bounding rectangle.
        if (region.rectCount() <= 4) {
            for (const QRect& r : region)
                Paint(canvas, FromQRect(r));
        } else {
            Paint(canvas, FromQRect(region.boundingRect()));
        }
    };
    QPainter painter(this);
    if (!IsBody() && width() > 0 && height() > 0) {
        // Title strips are drawn off screen and copied whole; without the bitmap, directly.
        const qreal ratio = devicePixelRatioF();
        QImage buffer(size() * ratio, QImage::Format_RGB32);
        if (!buffer.isNull()) {
            buffer.setDevicePixelRatio(ratio);
            QPainter bufferPainter(&buffer);
            if (bufferPainter.isActive()) {
                {
                    TXLQtCanvas canvas(bufferPainter, ClientSize(), palette);
                    paintRegion(canvas);
                }
                bufferPainter.end();
                painter.drawImage(0, 0, buffer);
                return;
            }
        }
    }
    TXLQtCanvas canvas(painter, ClientSize(), palette);
    paintRegion(canvas);
}

void TXLView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ClientChanged(TXLClientChange::Resized);
}

void TXLView::wheelEvent(QWheelEvent* event)
{
    m_grid.HandleWheel(*event);
}

void TXLView::mousePressEvent(QMouseEvent* event)
{
    m_grid.PaneMousePress(*this, *event, 0);
}

void TXLView::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_grid.PaneMousePress(*this, *event, ssDouble);
}

void TXLView::mouseMoveEvent(QMouseEvent* event)
{
    m_grid.PaneMouseMove(*this, *event);
}

void TXLView::mouseReleaseEvent(QMouseEvent* event)
{
    m_grid.PaneMouseRelease(*this, *event);
}

void TXLView::contextMenuEvent(QContextMenuEvent* event)
{
    m_grid.PaneContextMenu(*this, *event);
}

void TXLView::dragEnterEvent(QDragEnterEvent* event)
{
    m_grid.PaneDragMove(*this, *event);
}

void TXLView::dragMoveEvent(QDragMoveEvent* event)
{
    m_grid.PaneDragMove(*this, *event);
}

void TXLView::dropEvent(QDropEvent* event)
{
    m_grid.PaneDrop(*this, *event);
}

void TXLView::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    m_grid.PaneLeft(*this);
}

bool TXLView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        m_grid.PaneToolTip(*this, *static_cast<QHelpEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

void TXLView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ClientChanged(TXLClientChange::Shown);
}

} // namespace qv
