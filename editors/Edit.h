// TXLEdit: the in-cell edit host a grid owns, laid over the cell being edited with its editor control and button.
#pragma once

#include "editors/Button.h"
#include "editors/EditorControl.h"
#include "grid/EditHost.h"

#include <QFrame>

#include <memory>
#include <optional>

namespace qv {

class TXLGrid;
class TXLView;
struct TXLEditorClass;

// Whether the cell the host lets go of takes the edit.
enum class TXLStore : uint8_t { Discard, Store };

// Frees a replaced control once the event being handled is over: it may be running one of its own handlers.
struct TXLDeferredDelete {
    void operator()(IXLEditorControl* control) const;
};

// A borderless child of the body pane holding the editor control the cell's class and Editor choose (kept while the
// next cell wants the same class) and a button at its right edge. Values move between cell and control only when
// the host takes a cell (LoadCell) and when it lets go of one with TXLStore::Store (SaveCell).
class TXLEdit final : public QFrame, public IXLEditHost {
public:
    // owner must be a TXLGrid, else EXLGridError "Invalid parent!". The host is bound to the grid's body and
    // starts hidden.
    explicit TXLEdit(QWidget* owner);
    ~TXLEdit() override;

    // IXLEditHost
    bool Active() const override { return m_control && m_cell; }
    const TXLPane* Pane() const override;
    void EditCell(const TXLPane* pane, TXLCell* cell) override;
    void SetEditing(bool on) override;
    void SetArrowMode(bool on) override;
    void CancelEdit() override;
    void StartWithKey(const TXLTypedInput& input) override;
    void ForwardMessage(const TXLTypedInput& input) override;
    bool CellClicked(Point cell, TXLShiftState shift) override;
    const TXLCell* EditedCell() const override { return m_cell; }
    void UpdateBounds() override;
    void ApplyCellStyle() override;
    void Edit3DChanged() override;

    bool ArrowMode() const { return m_arrowMode; }
    // Switches the edited cell; the old one takes the edit with TXLStore::Store (its errors are swallowed: it keeps
    // its value). An error while taking the new cell leaves the host closed.
    void SetCell(TXLCell* cell, TXLStore store);
    // Binds the host to another pane of its grid, closing the editor first.
    void SetView(TXLView* pane);
    // The widget that has the keyboard while editing; nullptr without a control.
    QWidget* EditHandle() const;
    IXLEditorControl* Control() const { return m_control.get(); }
    TXLButton& Button() { return m_button; }
    TXLGrid& Grid() const { return m_grid; }

protected:
    // The key control's keys (the host's key hooks) and the control's size.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // What the control left of a key: the navigation keys go to the grid (a mask editor passing an arrow at its
    // edge), nothing goes further up.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetEditorClass(const TXLEditorClass* cls);
    void LoadCell();
    void ShowEditor();
    void HideEditor();
    void PlaceChildren();
    void ButtonClick();
    void EditModeChanged();
    // True when the host took the key from the control.
    bool EditorKeyDown(QKeyEvent& event);
    bool EditorKeyPress(QKeyEvent& event);

    TXLGrid& m_grid;
    TXLView* m_pane = nullptr;
    std::unique_ptr<IXLEditorControl, TXLDeferredDelete> m_control;
    const TXLEditorClass* m_controlClass = nullptr;
    QWidget* m_keyControl = nullptr; // the control or its keyboard child; not owned separately
    TXLButton m_button;
    TXLCell* m_cell = nullptr; // the edited cell, its section's
    bool m_arrowMode = false;
    TXLVertAlign m_vertAlign = vaTop;
    TXLCellClicks m_cellClicks = TXLCellClicks::Ignored;
    std::optional<Point> m_lastClicked;
    std::optional<Qt::FocusPolicy> m_savedFocusPolicy; // the grid's while the host is shown
    bool m_placing = false;
};

} // namespace qv
