// The edit host: choosing and replacing controls, binding cells, placing itself, and routing keys and clicks.
#include "editors/Edit.h"

#include "editors/EditorClasses.h"
#include "grid/FontMap.h"
#include "grid/Grid.h"
#include "grid/QtCanvas.h"
#include "grid/QtGeometry.h"
#include "grid/QtKeys.h"
#include "grid/SectionPainter.h"
#include "sheet/Cell.h"
#include "sheet/GridError.h"
#include "sheet/Manager.h"
#include "sheet/Section.h"
#include "sheet/Style.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <new>

namespace qv {

namespace {

TXLGrid& GridOf(QWidget* owner)
{
    auto* grid = dynamic_cast<TXLGrid*>(owner);
    if (!grid)
        throw EXLGridError("Invalid parent!");
    return *grid;
}

bool IsNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

void SendComposition(QWidget& receiver, const TXLTypedInput& input)
{
    QList<QInputMethodEvent::Attribute> attributes;
    if (!input.Preedit.empty())
        attributes.append({QInputMethodEvent::Cursor, input.PreeditCursor, 1, QVariant()});
    QInputMethodEvent event(QString::fromStdString(input.Preedit), attributes);
    event.setCommitString(QString::fromStdString(input.Commit));
    QCoreApplication::sendEvent(&receiver, &event);
}

// The key event a typed character would have come with.
void SendCharacter(QWidget& receiver, char32_t character)
{
    const QString text = QString::fromUcs4(&character, 1);
    int key = Qt::Key_unknown;
    if (character == kCharBackspace)
        key = Qt::Key_Backspace;
    else if (character < 128)
        key = QChar(char16_t(character)).toUpper().unicode();
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&receiver, &event);
}

} // namespace

void TXLDeferredDelete::operator()(IXLEditorControl* control) const
{
    control->Widget().hide();
    control->Widget().deleteLater();
}

TXLEdit::TXLEdit(QWidget* owner) : QFrame(&GridOf(owner)), m_grid(GridOf(owner)), m_button(this)
{
    hide();
    setAutoFillBackground(true);
    // Its own look: not the grid's palette, font or hints.
    setPalette(QApplication::palette());
    setFont(QApplication::font());
    m_button.OnClick = [this] { ButtonClick(); };
    Edit3DChanged();
    SetView(&m_grid.View(sClient));
}

TXLEdit::~TXLEdit()
{
    m_cell = nullptr;
    if (m_keyControl)
        m_keyControl->removeEventFilter(this);
}

const TXLPane* TXLEdit::Pane() const
{
    return m_pane;
}

// ---- Choosing the control and the cell

void TXLEdit::EditCell(const TXLPane* pane, TXLCell* cell)
{
    if (pane && pane != m_pane)
        return;
    const bool wasActive = Active();
    if (cell) {
        const TXLEditorClass* cls = XLManager().EditorClass(cell->GetCellClass(), cell->Editor());
        // The old cell takes its edit from the control that loaded it, before that control goes.
        if (m_cell && m_cell != cell && cls != m_controlClass)
            SetCell(nullptr, TXLStore::Store);
        SetEditorClass(cls);
        if (m_control) {
            if (m_grid.HasOption(oPermEdit))
                SetArrowMode(true);
            SetCell(cell, TXLStore::Store);
        }
    } else if (m_control) {
        SetCell(nullptr, TXLStore::Store);
    }
    if (Active() != wasActive)
        EditModeChanged();
}

void TXLEdit::SetEditorClass(const TXLEditorClass* cls)
{
    if (cls == m_controlClass && (m_control || !cls))
        return;
    if (m_control) {
        m_keyControl->removeEventFilter(this);
        m_control->Widget().removeEventFilter(this);
        m_control.reset();
        m_keyControl = nullptr;
        m_controlClass = nullptr;
    }
    if (!cls)
        return;
    m_control.reset(CreateEditorControl(*cls, *this));
    if (!m_control)
        return;
    m_controlClass = cls;
    m_keyControl = &m_control->KeyControl();
    m_keyControl->installEventFilter(this);
    m_control->Widget().installEventFilter(this);
    m_control->Widget().show();
}

void TXLEdit::SetCell(TXLCell* cell, TXLStore store)
{
    if (cell == m_cell)
        return;
    if (TXLCell* old = m_cell) {
        old->SetFlag(kFlagEditing, false);
        old->RequestRepaint();
        if (store == TXLStore::Store && m_control) {
            try {
                m_control->SaveCell(*old);
            } catch (const std::bad_alloc&) {
                throw;
            } catch (const std::exception&) {
                // The edit is lost; the cell keeps its value.
            }
        }
    }
    m_cell = cell;
    if (m_cell) {
        try {
            m_cell->RequestRepaint();
            UpdateBounds();
            LoadCell();
            ShowEditor();
            m_cell->SetFlag(kFlagEditing, true);
        } catch (const std::bad_alloc&) {
            throw;
        } catch (const std::exception&) {
            m_cell = nullptr;
        }
    }
    if (!m_cell) {
        const bool hadFocus = isAncestorOf(QApplication::focusWidget());
        HideEditor();
        if (hadFocus)
            m_grid.TakeFocus();
    }
}

void TXLEdit::CancelEdit()
{
    const bool wasActive = Active();
    SetCell(nullptr, TXLStore::Discard);
    if (wasActive)
        EditModeChanged();
}

void TXLEdit::SetEditing(bool on)
{
    if (on == Active() || !m_pane)
        return;
    if (on)
        m_pane->PrepareEdit(m_pane->Current());
    else
        EditCell(nullptr, nullptr);
}

void TXLEdit::SetArrowMode(bool on)
{
    if (on == m_arrowMode)
        return;
    m_arrowMode = on;
    if (Active())
        EditModeChanged();
}

void TXLEdit::SetView(TXLView* pane)
{
    if (pane == m_pane)
        return;
    SetEditing(false);
    SetEditorClass(nullptr);
    m_pane = pane;
    setParent(pane);
    hide();
    m_grid.update();
}

void TXLEdit::EditModeChanged()
{
    if (m_grid.OnEditModeChanged)
        m_grid.OnEditModeChanged(m_grid);
}

// ---- Look and place

void TXLEdit::LoadCell()
{
    // A cell taking over a property group from its provider is not ready to be read.
    if (m_cell->HasFlag(kFlagSuppress))
        return;
    ApplyCellStyle();
    if (!Active())
        return;
    const TXLLoadAnswer answer = m_control->LoadCell(*m_cell);
    m_button.SetStyle(answer.Button);
    m_lastClicked.reset();
    m_cellClicks = answer.Clicks;
    PlaceChildren();
}

void TXLEdit::ApplyCellStyle()
{
    if (!Active())
        return;
    TColor color = m_cell->Color();
    if (IsNoneColor(color))
        if (const TXLSection* section = m_cell->GetSection())
            color = section->BaseStyle().Color();
    const SystemPalette system = PaletteFromQt(QApplication::palette());
    TXLFontData font = FontOf(*m_cell);
    font.Height = ScaledFontHeight(font.Height, m_grid.Scale());
    QPalette palette = QApplication::palette();
    const QColor background = QColor::fromRgb(ColorToRgb(color, system) | 0xFF000000u);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Window, background);
    if (!IsNoneColor(font.Color) && font.Color != clDefault)
        palette.setColor(QPalette::Text, QColor::fromRgb(ColorToRgb(font.Color, system) | 0xFF000000u));
    setPalette(palette);
    setFont(QtFontFor(font));
    const TXLLayout layout = m_cell->Layout();
    m_control->Layout(layout);
    m_vertAlign = layout.VertAlign;
    PlaceChildren();
}

void TXLEdit::UpdateBounds()
{
    if (!m_cell || !m_pane)
        return;
    Rect r;
    m_pane->CellRectToPixels(m_cell->GetRect(), r, 0);
    // Inside the frame and up to the grid lines, as the cell's content is painted.
    r = ContentRect(r, m_cell->Frame());
    if (m_grid.HasOption(oEdit3D))
        r = r.Inflate(2, 2);
    setGeometry(ToQRect(r));
}

void TXLEdit::Edit3DChanged()
{
    const bool edge = m_grid.HasOption(oEdit3D);
    setFrameStyle(edge ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    setLineWidth(edge ? 2 : 0);
    m_button.SetFlat(!edge);
    UpdateBounds();
    PlaceChildren();
}

void TXLEdit::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    PlaceChildren();
}

void TXLEdit::PlaceChildren()
{
    if (m_placing)
        return;
    m_placing = true;
    const QRect inside = contentsRect();
    const int buttonWidth = m_button.ButtonWidth();
    m_button.setGeometry(inside.right() + 1 - buttonWidth, inside.top(), buttonWidth, inside.height());
    if (m_control) {
        QWidget& control = m_control->Widget();
        const int height = control.height();
        int top = inside.top();
        if (m_vertAlign == vaBottom)
            top = inside.top() + inside.height() - height;
        else if (m_vertAlign == vaCenter)
            top = inside.top() + (inside.height() - height) / 2;
        control.setGeometry(inside.left(), top, inside.width() - buttonWidth, height);
    }
    m_placing = false;
}

void TXLEdit::ShowEditor()
{
    if (!m_savedFocusPolicy) {
        m_savedFocusPolicy = m_grid.focusPolicy();
        // Tab does not land on the grid while its editor is open.
        m_grid.setFocusPolicy(Qt::ClickFocus);
    }
    m_keyControl->setAttribute(Qt::WA_InputMethodEnabled, true);
    show();
    raise();
    m_keyControl->setFocus(Qt::OtherFocusReason);
}

void TXLEdit::HideEditor()
{
    if (m_savedFocusPolicy) {
        m_grid.setFocusPolicy(*m_savedFocusPolicy);
        m_savedFocusPolicy.reset();
    }
    hide();
}

// ---- Typing, keys and clicks

void TXLEdit::StartWithKey(const TXLTypedInput& input)
{
    SetArrowMode(true);
    if (!m_keyControl || !m_cell)
        return;
    ShowEditor();
    // The typed character replaces the whole text.
    m_control->SelectAll();
    if (input.Kind == TXLInputKind::Character)
        SendCharacter(*m_keyControl, input.Character);
    else
        SendComposition(*m_keyControl, input);
}

void TXLEdit::ForwardMessage(const TXLTypedInput& input)
{
    if (!Active())
        return;
    SendComposition(*m_keyControl, input);
}

bool TXLEdit::CellClicked(Point cell, TXLShiftState shift)
{
    bool taken = Active() && m_cellClicks == TXLCellClicks::Wanted && !(shift & (ssRight | ssMiddle | ssDouble));
    // The press and the release of one click reach the control once.
    if (taken && m_lastClicked != cell)
        taken = m_control->CellClick(cell, shift);
    m_lastClicked = cell;
    return taken;
}

QWidget* TXLEdit::EditHandle() const
{
    return m_keyControl;
}

void TXLEdit::ButtonClick()
{
    if (m_control)
        m_control->ButtonClick(m_button.Style(), m_button.PressedHalf());
}

bool TXLEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (m_control && watched == &m_control->Widget() && event->type() == QEvent::Resize)
        PlaceChildren();
    if (watched == m_keyControl && event->type() == QEvent::KeyPress) {
        auto& key = static_cast<QKeyEvent&>(*event);
        if (EditorKeyDown(key) || EditorKeyPress(key))
            return true;
    }
    return QFrame::eventFilter(watched, event);
}

void TXLEdit::keyPressEvent(QKeyEvent* event)
{
    if (IsNavigationKey(event->key()) && m_pane)
        m_pane->KeyDown(ToKeyStroke(*event));
    event->accept();
}

bool TXLEdit::EditorKeyDown(QKeyEvent& event)
{
    const TXLKeyStroke stroke = ToKeyStroke(event);
    constexpr TXLShiftState modifiers = ssShift | ssAlt | ssCtrl;
    if (IsNavigationKey(event.key())) {
        // Alt alone leaves the key to the control: Alt+Down opens a drop-down list.
        if (m_arrowMode && (stroke.Shift & modifiers) != ssAlt && m_pane) {
            m_pane->KeyDown(stroke);
            return true;
        }
        return false;
    }
    if ((event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab) && m_grid.HasOption(oTabKeys) && m_pane) {
        m_pane->KeyDown(stroke);
        return true;
    }
    if (event.key() == Qt::Key_F2 && (stroke.Shift & modifiers) == 0)
        SetArrowMode(!m_arrowMode);
    return false;
}

bool TXLEdit::EditorKeyPress(QKeyEvent& event)
{
    if (!m_pane)
        return false;
    const TXLShiftState shift = ToShiftState(event.modifiers());
    // Ctrl+Enter types a line break, as it would on its own.
    const bool enter = (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) && !(shift & ssCtrl);
    if (enter) {
        char32_t key = kCharEnter;
        m_pane->KeyPress(key, shift);
        return true;
    }
    // Escape with an open list or popup belongs to it.
    if (event.key() == Qt::Key_Escape && QApplication::focusWidget() == EditHandle()) {
        char32_t key = kCharEscape;
        m_pane->KeyPress(key, shift);
        return true;
    }
    return false;
}

} // namespace qv
