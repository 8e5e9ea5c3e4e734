// TXLButton: the small button at the right of an in-cell editor: a spinner, a plain button or a drop-down.
#pragma once

#include "editors/ButtonPainter.h"
#include "editors/EditorControl.h"

#include <QTimer>
#include <QWidget>

#include <functional>

namespace qv {

// Fixed width (0 for esNormal, else the width of "M" in its font plus 6), 17 pixels high until the host lays it
// out. A spinner clicks at once when pressed and then repeats, faster the longer it is held, until released; the
// other styles click on release over the button.
class TXLButton final : public QWidget {
public:
    explicit TXLButton(QWidget* parent = nullptr);

    TXLEditStyle Style() const { return m_style; }
    // Releases a press and realigns the parent.
    void SetStyle(TXLEditStyle style);
    bool Flat() const { return m_flat; }
    void SetFlat(bool flat);
    // Whether the press that is held (or was last) began in the lower half.
    TXLButtonHalf PressedHalf() const { return m_lowerHalf ? TXLButtonHalf::Lower : TXLButtonHalf::Upper; }
    bool IsPressed() const { return m_pressed; }
    // The width for the style and the current font.
    int ButtonWidth() const;

    std::function<void()> OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Losing the mouse grab ends a press.
    bool event(QEvent* event) override;

private:
    void SetPressed(bool pressed);
    void RepeatTick();
    void Click();
    void UpdateWidth();
    TXLButtonLook Look() const;

    TXLEditStyle m_style = esNormal;
    QPoint m_mouse;
    bool m_flat = false;
    bool m_pressed = false;
    bool m_lowerHalf = false;
    int m_repeats = 0; // ticks since the spinner was pressed
    QTimer m_repeatTimer;
};

} // namespace qv
