// The popup panel: its placement at the screen's edges, and how it closes.
#include "editors/PopupPanel.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace qv::test {
namespace {

struct PlacementCase {
    const char* what;
    Rect anchor;
    TGSPopupAlignment alignment;
    Point expected;
};

TEST(PopupPosition, AlignsUnderTheAnchorAndFlipsAtTheScreensRightAndBottomEdges)
{
    const Rect screen{0, 0, 800, 600};
    const Size size{100, 80};
    const PlacementCase cases[] = {
        {"left", {50, 100, 250, 120}, TGSPopupAlignment::taLeftJustify, {50, 120}},
        {"right", {50, 100, 250, 120}, TGSPopupAlignment::taRightJustify, {150, 120}},
        {"centre", {50, 100, 250, 120}, TGSPopupAlignment::taCenter, {100, 120}},
        {"flush right at the right edge", {740, 100, 800, 120}, TGSPopupAlignment::taLeftJustify, {700, 120}},
        {"above at the bottom edge", {50, 540, 250, 560}, TGSPopupAlignment::taRightJustify, {150, 460}},
        {"never off the left", {0, 100, 40, 120}, TGSPopupAlignment::taRightJustify, {0, 120}},
    };
    for (const PlacementCase& c : cases)
        EXPECT_EQ(PopupPosition(c.anchor, size, c.alignment, screen), c.expected) << c.what;
}

// Counts the presses that reach it.
class PressCounter final : public QWidget {
public:
    using QWidget::QWidget;
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

// A window with a widget to click on, an anchor and a panel holding a button.
struct PopupWindow {
    PopupWindow()
    {
        window.resize(400, 300);
        under.setGeometry(0, 200, 400, 100);
        anchor.setGeometry(100, 20, 120, 20);
        button.setGeometry(0, 0, 80, 30);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        anchor.setFocus();
    }
    // Pops up and runs then inside the popup's loop.
    TGSPopupResult PopupRunning(std::function<void()> then)
    {
        QTimer::singleShot(0, &window, std::move(then));
        return panel.Popup(anchor);
    }

    QWidget window;
    PressCounter under{&window};
    QPushButton anchor{&window};
    TGSPopupPanel panel{&window};
    QPushButton button{"OK", &panel};
};

TEST(PopupPanel, ClosePopupFromAChildsClickReturnsAcceptedAndFiresTheEvents)
{
    PopupWindow w;
    int popups = 0;
    int closes = 0;
    w.panel.OnPopup = [&] { ++popups; };
    w.panel.OnClose = [&] { ++closes; };
    QObject::connect(&w.button, &QPushButton::clicked, [&] { w.panel.ClosePopup(); });
    const TGSPopupResult result = w.PopupRunning([&] {
        EXPECT_EQ(w.button.window(), w.panel.PopupWindow());
        EXPECT_EQ(w.panel.PopupWindow()->geometry().topLeft(), w.anchor.mapToGlobal(QPoint(120 - 81, 20)));
        QTest::mouseClick(&w.button, Qt::LeftButton);
    });
    EXPECT_EQ(result, TGSPopupResult::Accepted);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(w.panel.IsOpen());
    EXPECT_EQ(w.button.parentWidget(), &w.panel);
    EXPECT_EQ(QApplication::focusWidget(), &w.anchor);
}

TEST(PopupPanel, AClickOutsideClosesItAndReachesNothingElse)
{
    PopupWindow w;
    // Through the window system, as a user's click arrives, so that the open popup sees it first.
    const TGSPopupResult result = w.PopupRunning([&] {
        QTest::mouseClick(w.window.windowHandle(), Qt::LeftButton, {}, {50, 250});
    });
    EXPECT_EQ(result, TGSPopupResult::Dismissed);
    EXPECT_EQ(w.under.presses, 0);
    QTest::mouseClick(w.window.windowHandle(), Qt::LeftButton, {}, {50, 250});
    EXPECT_EQ(w.under.presses, 1);
}

TEST(PopupPanel, EscapeDismissesIt)
{
    PopupWindow w;
    const TGSPopupResult result = w.PopupRunning([&] { QTest::keyClick(w.panel.PopupWindow(), Qt::Key_Escape); });
    EXPECT_EQ(result, TGSPopupResult::Dismissed);
    EXPECT_FALSE(w.panel.IsOpen());
}

TEST(PopupPanel, TheApplicationGoingInactiveDismissesIt)
{
    PopupWindow w;
    const TGSPopupResult result = w.PopupRunning([] { emit qApp->applicationStateChanged(Qt::ApplicationInactive); });
    EXPECT_EQ(result, TGSPopupResult::Dismissed);
    EXPECT_FALSE(w.panel.IsOpen());
}

TEST(PopupPanel, ASecondPopupWhileOpenReturnsAtOnce)
{
    PopupWindow w;
    TGSPopupResult second = TGSPopupResult::Accepted;
    const TGSPopupResult first = w.PopupRunning([&] {
        second = w.panel.Popup(w.anchor);
        w.panel.ClosePopup();
    });
    EXPECT_EQ(second, TGSPopupResult::Dismissed);
    EXPECT_EQ(first, TGSPopupResult::Accepted);
}

} // namespace
} // namespace qv::test
