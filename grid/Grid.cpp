// The grid control: pane layout, scaled sizes, zoom, options, scroll bars, linked grids, the sheet's reports, and
// Qt's key, input-method and wheel events handed to the body.
#include "grid/Grid.h"

#include "grid/QtKeys.h"
#include "grid/Wheel.h"
#include "sheet/Section.h"
#include "sheet/Sheet.h"
#include "sheet/Style.h"

#include <QDialog>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace qv {

namespace {

// sFlat: bars drawn as plain fields, no bevels.
constexpr const char* kFlatScrollBars =
    "QScrollBar { background: palette(window); border: none; }"
    "QScrollBar:vertical { width: 16px; margin: 16px 0 16px 0; }"
    "QScrollBar:horizontal { height: 16px; margin: 0 16px 0 16px; }"
    "QScrollBar::handle { background: palette(mid); border: none; }"
    "QScrollBar::handle:vertical { min-height: 16px; }"
    "QScrollBar::handle:horizontal { min-width: 16px; }"
    "QScrollBar::add-line, QScrollBar::sub-line { background: palette(button); border: none; width: 16px;"
    " height: 16px; subcontrol-origin: margin; }"
    "QScrollBar::add-line:vertical { subcontrol-position: bottom; }"
    "QScrollBar::sub-line:vertical { subcontrol-position: top; }"
    "QScrollBar::add-line:horizontal { subcontrol-position: right; }"
    "QScrollBar::sub-line:horizontal { subcontrol-position: left; }";

// A pane's column list is the client part in the body and the column-title strip, else the title part; its row
// list the client part in the body and the row-title strip.
TXLPart ColumnPart(TXLSector pane)
{
    return pane == sClient || pane == sCols ? ptClient : ptTitles;
}

TXLPart RowPart(TXLSector pane)
{
    return pane == sClient || pane == sRows ? ptClient : ptTitles;
}

constexpr TXLSector kSectors[] = {sCols, sRows, sTitle, sClient};

TXLGrid::EditHostFactory g_editHostFactory = nullptr;

} // namespace

void TXLGrid::SetEditHostFactory(EditHostFactory factory)
{
    g_editHostFactory = factory;
}

TXLGrid::TXLGrid(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    // Chinese text (the period headings) comes through fcitx or ibus.
    setAttribute(Qt::WA_InputMethodEnabled);
    for (TXLAxis axis : {axCols, axRows}) {
        m_bars[axis] = std::make_unique<QScrollBar>(axis == axCols ? Qt::Horizontal : Qt::Vertical, this);
        QScrollBar* bar = m_bars[axis].get();
        bar->setVisible(false);
        bar->setFocusPolicy(Qt::NoFocus);
        connect(bar, &QScrollBar::actionTriggered, this, [this, axis](int action) { ScrollBarAction(axis, action); });
        connect(bar, &QScrollBar::sliderReleased, this, [this, axis] { ScrollBarReleased(axis); });
        bar->installEventFilter(this);
    }
    ApplyScrollBarLook();
    for (TXLSector sector : {sClient, sCols, sRows, sTitle})
        m_views[sector] = std::make_unique<TXLView>(*this, sector, MutableList(axCols, ColumnPart(sector)),
                                                    MutableList(axRows, RowPart(sector)));
    View(sClient).SetLinkedPane(axCols, &View(sCols));
    View(sClient).SetLinkedPane(axRows, &View(sRows));
    View(sCols).SetLinkedPane(axCols, &View(sClient));
    View(sRows).SetLinkedPane(axRows, &View(sClient));
    View(sClient).SetColor(m_color);
    AlignPanes();
    if (g_editHostFactory) {
        m_ownEditHost = g_editHostFactory(*this);
        m_editHost = m_ownEditHost.get();
    }
}

TXLGrid::~TXLGrid()
{
    // Only the grid's own editor is closed; one set in its place is not told.
    if (m_editHost != m_ownEditHost.get())
        m_editHost = nullptr;
    SetEditMode(TXLEditMode::Closed);
    SetHorzLink(nullptr);
    SetVertLink(nullptr);
    m_destroying = true;
    SetSheet(nullptr);
    // Before the panes it lies on.
    m_editHost = nullptr;
    m_ownEditHost.reset();
}

// ---- Sheet

void TXLGrid::SetSheet(TXLSheet* sheet)
{
    if (sheet == m_sheet)
        return;
    SetEditMode(TXLEditMode::Closed);
    if (m_sheet)
        m_sheet->RemoveUser(this);
    m_sheet = sheet;
    if (m_sheet)
        m_sheet->AddUser(this);
    if (m_destroying)
        return;
    for (TXLSector sector : kSectors) {
        TXLView& view = View(sector);
        view.SetSection(nullptr);
        view.SetColor(m_color);
        if (m_sheet) {
            TXLSection& section = m_sheet->Section(sector);
            view.SetSection(&section);
            view.SetColor(section.BaseStyle().Color());
        }
    }
    UpdateSizes(0);
    PageBreaksChanged();
    for (TXLSector sector : kSectors) {
        View(sector).Invalidate();
        View(sector).ResetSelection();
    }
    if (OnSheetChanged)
        OnSheetChanged(*this);
}

// ---- Scale, options, scrolls, colour

void TXLGrid::SetScale(int scale)
{
    scale = std::clamp(scale, kMinScale, kMaxScale);
    if (scale == m_scale)
        return;
    m_scale = scale;
    TXLView& body = View(sClient);
    const TXLTopLeft topLeft = body.TopLeft();
    BeginUpdate();
    UpdateSizes(0);
    body.ShowAtTopLeft(topLeft);
    if (body.IsEditing())
        m_editHost->UpdateBounds();
    PageBreaksChanged();
    // Reopened, the editor takes the scaled font.
    if (body.IsEditing()) {
        m_editHost->SetEditing(false);
        m_editHost->SetEditing(true);
    }
    EndUpdate();
    if (OnScaleChanged)
        OnScaleChanged(*this);
}

int TXLGrid::Scaled(int value) const
{
    return m_scale == 100 ? value : static_cast<int>(int64_t{value} * m_scale / 100);
}

int TXLGrid::Unscaled(int value) const
{
    return m_scale == 100 ? value : static_cast<int>(int64_t{value} * 100 / m_scale);
}

void TXLGrid::SetOptions(TXLOptions options)
{
    if (options == m_options)
        return;
    const TXLOptions changed = options ^ m_options;
    m_options = options;
    if (changed & (OptionBit(oTitleCols) | OptionBit(oTitleRows)))
        AlignPanes();
    // The selection's look depends on the focus options, the cells' on the others.
    constexpr TXLOptions repainting = OptionBit(oVertLines) | OptionBit(oHorzLines) | OptionBit(oTitle3D) |
                                      OptionBit(oPageBreak) | OptionBit(oDrawFocus) | OptionBit(oPermEdit);
    if (changed & repainting)
        InvalidateAll();
    if ((changed & OptionBit(oEdit3D)) && m_editHost)
        m_editHost->Edit3DChanged();
}

void TXLGrid::SetScrolls(TXLScrolls scrolls)
{
    if (scrolls == m_scrolls)
        return;
    m_scrolls = scrolls;
    ApplyScrollBarLook();
    for (TXLAxis axis : {axCols, axRows})
        if (!HasScroll(axis == axCols ? sHorizontal : sVertical))
            m_bars[axis]->setVisible(false);
    AlignPanes();
    View(sClient).UpdateScrollBars(true);
}

void TXLGrid::ApplyScrollBarLook()
{
    for (const auto& bar : m_bars) {
        bar->setTracking(HasScroll(sTracking));
        bar->setStyleSheet(HasScroll(sFlat) ? QString::fromLatin1(kFlatScrollBars) : QString());
    }
}

void TXLGrid::SetColor(TColor color)
{
    m_color = color;
    // Only the body follows the grid's colour; with a sheet the panes show their base styles' colours.
    if (!m_sheet)
        View(sClient).SetColor(color);
}

void TXLGrid::SetShowHint(bool on)
{
    if (on == m_showHint)
        return;
    m_showHint = on;
    InvalidateAll();
}

// ---- Sizes and layout

std::array<TXLView*, 2> TXLGrid::PanesOf(TXLAxis axis, TXLPart part) const
{
    if (part == ptClient)
        return {&View(TitleStrip(axis)), &View(sClient)};
    return {&View(TitleStrip(Across(axis))), &View(sTitle)};
}

void TXLGrid::UpdateSizes(TXLAxes axes)
{
    if (axes == 0)
        axes = kBothAxes;
    std::array<Point, 4> extents;
    for (TXLSector sector : kSectors)
        extents[sector] = View(sector).Extent();
    if (m_sheet) {
        for (TXLAxis axis : {axCols, axRows}) {
            if (!(axes & AxisBit(axis)))
                continue;
            for (TXLPart part : {ptTitles, ptClient}) {
                const TXLSizeList& source = m_sheet->Sizes(axis, part);
                TXLSizeList& scaled = MutableList(axis, part);
                scaled.SetDefault(Scaled(source.Default()));
                scaled.SetCount(source.Count());
                // Item by item, so the scaled total can differ from the scaled sheet total.
                source.ForEach([&](int index, int32_t) { scaled.SetValue(index, Scaled(source.GetValue(index))); });
                const int total = scaled.GetOffset(scaled.Count());
                for (TXLView* pane : PanesOf(axis, part)) {
                    Along(extents[pane->Sector()], axis) = total;
                    pane->Invalidate();
                }
            }
        }
    } else {
        for (TXLSizeList& list : m_scaled)
            list.SetCount(0);
        extents.fill({});
    }
    for (TXLSector sector : kSectors)
        View(sector).SetExtent(extents[sector]);
    PageBreaksChanged();
    AlignPanes();
    ReapplySelections();
    for (TXLSector sector : kSectors)
        View(sector).ClampCurrent();
    // Sizes that changed above the visible part move the content under an unchanged origin.
    SendOriginToLinks(nullptr, axes);
}

void TXLGrid::AlignPanes()
{
    if (m_mouse.HoldsLayout())
        return;
    const QRect inside = contentsRect();
    const int left0 = inside.left();
    const int top0 = inside.top();
    const int right = left0 + inside.width();
    const int bottom = top0 + inside.height();
    const Point corner = View(sTitle).Extent();
    const int left = std::min(right, left0 + (HasOption(oTitleRows) ? corner.x : 0));
    const int top = std::min(bottom, top0 + (HasOption(oTitleCols) ? corner.y : 0));
    QScrollBar& vertical = *m_bars[axRows];
    QScrollBar& horizontal = *m_bars[axCols];
    // The bars' own size hints: the flat style sheet sets their breadth.
    const int bodyRight = std::max(left, right - (vertical.isVisibleTo(this) ? vertical.sizeHint().width() : 0));
    const int bodyBottom = std::max(top, bottom - (horizontal.isVisibleTo(this) ? horizontal.sizeHint().height() : 0));
    View(sClient).setGeometry(left, top, bodyRight - left, bodyBottom - top);
    vertical.setGeometry(bodyRight, top, right - bodyRight, bodyBottom - top);
    horizontal.setGeometry(left, bodyBottom, bodyRight - left, bottom - bodyBottom);
    View(sCols).setGeometry(left, top0, right - left, top - top0);
    View(sRows).setGeometry(left0, top, left - left0, bottom - top);
    View(sTitle).setGeometry(left0, top0, left - left0, top - top0);
}

void TXLGrid::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    AlignPanes();
}

void TXLGrid::ReapplySelections()
{
    for (TXLSector sector : kSectors) {
        TXLView& view = View(sector);
        view.Select(view.Selection(), view.Current());
    }
}

void TXLGrid::PageBreaksChanged()
{
    View(sClient).ForgetPageBreaks();
    if (HasOption(oPageBreak))
        View(sClient).Invalidate();
}

void TXLGrid::BeginUpdate()
{
    for (TXLSector sector : kSectors)
        View(sector).BeginUpdate();
}

void TXLGrid::EndUpdate()
{
    for (TXLSector sector : kSectors)
        View(sector).EndUpdate();
}

// ---- Scroll bars

void TXLGrid::ScrollBarAction(TXLAxis axis, int action)
{
    TXLScrollCode code = scThumbTrack;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        code = scLineUp;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        code = scLineDown;
        break;
    case QAbstractSlider::SliderPageStepSub:
        code = scPageUp;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        code = scPageDown;
        break;
    case QAbstractSlider::SliderToMinimum:
        code = scTop;
        break;
    case QAbstractSlider::SliderToMaximum:
        code = scBottom;
        break;
    case QAbstractSlider::SliderMove:
        code = scThumbTrack;
        break;
    default:
        return;
    }
    QScrollBar& bar = *m_bars[axis];
    TXLView& body = View(sClient);
    Point origin = body.Origin();
    Along(origin, axis) = body.ScrollPosFor(axis, code, bar.sliderPosition());
    body.SetOrigin(origin);
    // The bar shows where the pane went (snapped to an item), except under the thumb being dragged.
    if (action != QAbstractSlider::SliderMove)
        bar.setSliderPosition(Along(origin, axis));
}

void TXLGrid::ScrollBarReleased(TXLAxis axis)
{
    QScrollBar& bar = *m_bars[axis];
    TXLView& body = View(sClient);
    Point origin = body.Origin();
    Along(origin, axis) = body.ScrollPosFor(axis, scThumbPosition, bar.sliderPosition());
    body.SetOrigin(origin);
    const QSignalBlocker blocker(bar);
    bar.setValue(Along(origin, axis));
}

// ---- Linked grids

void TXLGrid::SetHorzLink(TXLGrid* grid)
{
    SetLink(&TXLGrid::m_horzLink, grid);
}

void TXLGrid::SetVertLink(TXLGrid* grid)
{
    SetLink(&TXLGrid::m_vertLink, grid);
}

void TXLGrid::SetLink(TXLGrid* TXLGrid::*link, TXLGrid* grid)
{
    if (grid == this)
        grid = nullptr;
    TXLGrid* old = this->*link;
    if (grid == old)
        return;
    if (old && old->*link == this)
        old->*link = nullptr;
    this->*link = grid;
    if (!grid)
        return;
    TXLGrid* partnersOld = grid->*link;
    if (partnersOld && partnersOld != this && partnersOld->*link == grid)
        partnersOld->*link = nullptr;
    grid->*link = this;
    SendOriginToLinks(grid, link == &TXLGrid::m_horzLink ? AxisBit(axCols) : AxisBit(axRows));
}

TXLGrid::TXLLinkPosition TXLGrid::LinkPositionOf(Point origin) const
{
    TXLLinkPosition position;
    int x = origin.x;
    position.Item.x = ScaledList(axCols, ptClient).FindOffset(x);
    position.Within.x = Unscaled(origin.x - x);
    int y = origin.y;
    position.Item.y = ScaledList(axRows, ptClient).FindOffset(y);
    position.Within.y = Unscaled(origin.y - y);
    return position;
}

void TXLGrid::SendOriginToLinks(TXLGrid* only, TXLAxes axes)
{
    if (m_followingLinks)
        return;
    m_followingLinks = true;
    const TXLLinkPosition position = LinkPositionOf(View(sClient).Origin());
    auto send = [&](TXLGrid* partner, TXLAxes partnerAxes) {
        if (partner && (!only || partner == only) && (axes & partnerAxes))
            partner->FollowLink(position, axes & partnerAxes);
    };
    if (m_horzLink && m_horzLink == m_vertLink) {
        send(m_horzLink, kBothAxes);
    } else {
        send(m_horzLink, AxisBit(axCols));
        send(m_vertLink, AxisBit(axRows));
    }
    m_followingLinks = false;
}

void TXLGrid::BodyOriginChanged(Point)
{
    MoveHintWindow();
    // A locked pane repaints instead of scrolling, which leaves the editor behind.
    if (View(sClient).IsEditing())
        m_editHost->UpdateBounds();
    SendOriginToLinks(nullptr, kBothAxes);
}

TXLPane& TXLGrid::Pane(TXLSector sector) const
{
    return *m_views[sector];
}

bool TXLGrid::SetScrollBar(TXLAxis axis, const TXLScrollBarState& state)
{
    QScrollBar& bar = *m_bars[axis];
    const QSignalBlocker blocker(bar);
    bar.setRange(0, state.Maximum);
    bar.setPageStep(state.Page);
    bar.setValue(state.Position);
    if (bar.isVisibleTo(this) == state.Shown)
        return false;
    bar.setVisible(state.Shown);
    return true;
}

void TXLGrid::CurrentChanged()
{
    if (OnCurChanged)
        OnCurChanged(*this);
}

void TXLGrid::SelectionChanged()
{
    if (OnSelChanged)
        OnSelChanged(*this);
}

void TXLGrid::SelectedCellsChanged()
{
    if (OnChange)
        OnChange(*this);
}

// A partner passing on an origin this grid sent it is an echo: rounding between the scales could otherwise move
// this grid by a pixel and start another exchange.
void TXLGrid::FollowLink(const TXLLinkPosition& position, TXLAxes axes)
{
    if (m_followingLinks)
        return;
    TXLView& body = View(sClient);
    Point origin = body.Origin();
    if (axes & AxisBit(axCols))
        origin.x = ScaledList(axCols, ptClient).GetOffset(position.Item.x) + Scaled(position.Within.x);
    if (axes & AxisBit(axRows))
        origin.y = ScaledList(axRows, ptClient).GetOffset(position.Item.y) + Scaled(position.Within.y);
    body.SetOrigin(origin);
}

// ---- The sheet's reports

void TXLGrid::InvalidateCells(TXLSector sector, const Rect& rect, int flag)
{
    View(sector).InvalidateRange(rect, TXLUnionExpand::None, flag == kInvalidateBorder ? imRing : imGrown);
}

void TXLGrid::InvalidateSector(TXLSector sector)
{
    View(sector).Invalidate();
}

void TXLGrid::InvalidateAll()
{
    for (TXLSector sector : kSectors)
        View(sector).Invalidate();
}

void TXLGrid::PageChanged()
{
    if (m_sheet)
        PageBreaksChanged();
}

void TXLGrid::SizesChanged(TXLAxes axes, TXLPart)
{
    UpdateSizes(axes);
}

void TXLGrid::ItemsInserted(TXLAxis axis, TXLPart part, int index, int count)
{
    SetEditMode(TXLEditMode::Closed);
    TXLSizeList& list = MutableList(axis, part);
    list.InsertDelete(index, count);
    list.SetCount(std::max(0, list.Count() + count));
    ReapplySelections();
    UpdateSizes(AxisBit(axis));
    if (m_editHost && HasOption(oPermEdit))
        m_editHost->SetEditing(true);
}

void TXLGrid::SizeChanged(TXLAxis axis, TXLPart part, int index)
{
    if (!m_sheet)
        return;
    TXLSizeList& list = MutableList(axis, part);
    const int newSize = Scaled(m_sheet->Sizes(axis, part).GetValue(index));
    const int oldSize = list.GetValue(index);
    // A hidden column or row takes the editor on it along.
    if (newSize == 0 && part == ptClient && View(sClient).IsEditing())
        if (const TXLCell* edited = m_editHost->EditedCell()) {
            const Rect r = edited->GetRect();
            const int from = axis == axCols ? r.left : r.top;
            const int to = axis == axCols ? r.right : r.bottom;
            if (index >= from && index < to)
                m_editHost->SetEditing(false);
        }
    if (newSize != oldSize) {
        const int start = list.GetOffset(index);
        list.SetValue(index, newSize);
        for (TXLView* pane : PanesOf(axis, part))
            pane->LineSizeChanged(axis, start, newSize, oldSize);
        AlignPanes();
        // The partial scroll of LineSizeChanged leaves child windows where they were.
        if (View(sClient).IsEditing())
            m_editHost->UpdateBounds();
    }
    PageBreaksChanged();
}

void TXLGrid::CellsChanged(TXLSector sector, const Rect* rect)
{
    if (!rect) {
        if (m_sheet)
            View(sector).SetColor(m_sheet->Section(sector).BaseStyle().Color());
        return;
    }
    if (sector == sClient && View(sClient).IsEditing())
        if (const TXLCell* edited = m_editHost->EditedCell())
            if (rect->Intersects(edited->GetRect()))
                m_editHost->ApplyCellStyle();
}

void TXLGrid::SheetDetached()
{
    SetSheet(nullptr);
}

void TXLGrid::CellRemoved(TXLCell& cell)
{
    if (m_editHost && m_editHost->EditedCell() == &cell)
        m_editHost->EditCell(nullptr, nullptr);
}

void TXLGrid::UnionsChanged(bool loaded)
{
    if (loaded) {
        for (TXLSector sector : kSectors)
            View(sector).ResetSelection();
    } else {
        ReapplySelections();
    }
    if (View(sClient).IsEditing())
        m_editHost->UpdateBounds();
}

// ---- Keyboard, input methods and the wheel

void TXLGrid::MoveCurrent(TXLDirection direction, TXLTurn turn)
{
    View(sClient).MoveCurrent(direction, turn);
}

bool TXLGrid::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress && HasOption(oTabKeys)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QFrame::event(event);
}

bool TXLGrid::FormTakesEnter() const
{
    const auto* dialog = qobject_cast<const QDialog*>(window());
    if (!dialog || View(sClient).CanEditCell(View(sClient).Current()))
        return false;
    for (const QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->isDefault() && button->isVisible() && button->isEnabled())
            return true;
    return false;
}

void TXLGrid::keyPressEvent(QKeyEvent* event)
{
    // Escape ending a press or drag does nothing else.
    if (event->key() == Qt::Key_Escape && m_mouse.Cancel()) {
        event->accept();
        return;
    }
    const bool isTab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    const bool isEnter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if ((isTab && !HasOption(oTabKeys)) || (isEnter && FormTakesEnter())) {
        event->ignore();
        return;
    }
    TXLView& body = View(sClient);
    const TXLShiftState shift = ToShiftState(event->modifiers());
    body.KeyDown(ToKeyStroke(*event));
    if (OnKeyDown)
        OnKeyDown(*this, *event);
    // Characters typed with Alt are menu accelerators; Delete types nothing.
    if (!(shift & ssAlt) && event->key() != Qt::Key_Delete) {
        for (char32_t typed : event->text().toUcs4()) {
            char32_t key = body.TypeCharacter(typed, shift);
            if (key != 0 && OnKeyPress)
                OnKeyPress(*this, key);
        }
    }
    event->accept();
}

void TXLGrid::inputMethodEvent(QInputMethodEvent* event)
{
    TXLTypedInput input;
    input.Preedit = event->preeditString().toStdString();
    input.Commit = event->commitString().toStdString();
    for (const QInputMethodEvent::Attribute& attribute : event->attributes())
        if (attribute.type == QInputMethodEvent::Cursor)
            input.PreeditCursor = attribute.start;
    if (!m_composing) {
        if (input.Preedit.empty() && input.Commit.empty()) {
            event->accept();
            return;
        }
        // A commit without a preedit starts and ends at once.
        input.Kind = TXLInputKind::CompositionStart;
        m_composing = !input.Preedit.empty();
    } else {
        input.Kind = input.Preedit.empty() ? TXLInputKind::CompositionEnd : TXLInputKind::Composition;
        m_composing = !input.Preedit.empty();
    }
    View(sClient).InputMethod(input);
    event->accept();
}

void TXLGrid::focusOutEvent(QFocusEvent* event)
{
    m_composing = false;
    QFrame::focusOutEvent(event);
}

QVariant TXLGrid::inputMethodQuery(Qt::InputMethodQuery query) const
{
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle: {
        // The candidate window opens at the current cell.
        const TXLView& body = View(sClient);
        const Point current = body.Current();
        Rect r;
        if (!body.CellRectToPixels({current.x, current.y, current.x + 1, current.y + 1}, r, 0))
            return QRect(body.geometry().topLeft(), QSize(1, 1));
        return QRect(body.geometry().topLeft() + QPoint(r.left, r.top), QSize(r.Width(), r.Height()));
    }
    default:
        return QFrame::inputMethodQuery(query);
    }
}

void TXLGrid::wheelEvent(QWheelEvent* event)
{
    HandleWheel(*event);
}

void TXLGrid::HandleWheel(QWheelEvent& event)
{
    const QPoint angle = event.angleDelta();
    // Qt turns a wheel turned with Alt into a horizontal one; a wheel tilted sideways is not the grid's.
    int delta = angle.y();
    if (delta == 0 && angle.x() != 0) {
        if (!(event.modifiers() & Qt::AltModifier)) {
            event.ignore();
            return;
        }
        delta = angle.x();
    }
    event.setAccepted(MouseWheel(*this, delta, ToShiftState(event.modifiers()), m_mouse.Tracker()));
}

bool TXLGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel && (watched == m_bars[axCols].get() || watched == m_bars[axRows].get())) {
        HandleWheel(*static_cast<QWheelEvent*>(event));
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace qv
