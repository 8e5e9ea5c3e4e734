// TXLHintWindow: the body's cell hint window, whose arrow and shadow the body paints.
#pragma once

#include <QLabel>

#include <functional>

namespace qv {

// A tool-tip-like window with the platform's tool-tip colours and border showing one hint text.
class TXLHintWindow final : public QLabel {
public:
    // hidden runs whenever the window becomes hidden (also when it is destroyed while shown).
    explicit TXLHintWindow(std::function<void()> hidden);
    ~TXLHintWindow() override;

    // Shows the text in the font with the window's top-left corner at the screen point.
    void ShowAt(const QString& text, const QFont& font, QPoint topLeft);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    std::function<void()> m_hidden;
};

} // namespace qv
