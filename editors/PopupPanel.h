// TGSPopupPanel: a panel whose children show in a floating window anchored to another control while it is open.
#pragma once

#include "platform/Geometry.h"

#include <QWidget>

#include <functional>

class QEventLoop;

namespace qv {

enum class TGSBorderStyle : uint8_t { bsNone, bsSingle };
// How a popup lines up with its anchor.
enum class TGSPopupAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
// How a popup ended: by ClosePopup, or dismissed (a click outside, Escape, the application deactivated).
enum class TGSPopupResult : uint8_t { Dismissed, Accepted };

// Where a popup of size lies for an anchor (screen rectangles): under it by the alignment; flush with its right
// edge when it would pass the screen's right edge, above it when it would pass the bottom; never left of or
// above 0.
Point PopupPosition(const Rect& anchor, Size size, TGSPopupAlignment alignment, const Rect& screen);

// The border and inner margin shared by the panel and its floating window.
class TGSProPopupPanel : public QWidget {
public:
    explicit TGSProPopupPanel(QWidget* parent, Qt::WindowFlags flags = {});

    TGSBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TGSBorderStyle style);
    // Pixels between the border and the children; never below 0.
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);
    // The frame plus the border width, on every side.
    int Inset() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TGSBorderStyle m_borderStyle = TGSBorderStyle::bsSingle;
    int m_borderWidth = 0;
};

// Hidden itself; Popup shows its children in a TGSPopup until it closes. Starts 10 × 10 pixels, button-face
// coloured, sizing itself to its children.
class TGSPopupPanel : public TGSProPopupPanel {
public:
    explicit TGSPopupPanel(QWidget* parent);
    ~TGSPopupPanel() override;

    TGSPopupAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TGSPopupAlignment alignment) { m_alignment = alignment; }
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize) { m_autoSize = autoSize; }
    QColor Color() const { return m_color; }
    void SetColor(const QColor& color) { m_color = color; }

    // Shows the children aligned to anchor and returns when the popup closes. Returns Dismissed at once while
    // already open.
    TGSPopupResult Popup(QWidget& anchor);
    // Closes an open popup as accepted; nothing when closed.
    void ClosePopup();
    bool IsOpen() const { return m_popup != nullptr; }
    // The floating window while open.
    QWidget* PopupWindow() const;

    std::function<void()> OnPopup;
    std::function<void()> OnClose;

private:
    friend class TGSPopup;
    void EndLoop(TGSPopupResult result);

    TGSPopupAlignment m_alignment = TGSPopupAlignment::taRightJustify;
    bool m_autoSize = true;
    QColor m_color;
    class TGSPopup* m_popup = nullptr;
    QEventLoop* m_loop = nullptr;
    TGSPopupResult m_result = TGSPopupResult::Dismissed;
};

} // namespace qv
