// Series, marks and axes of the analysis charts.
#include "app/window/FinancialChart.h"

#include "grid/FontMap.h"
#include "grid/QtCanvas.h"

#include <QApplication>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPalette>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

constexpr qreal kMinContrast = 3.0;

double Luminance(const QColor& color)
{
    auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Charts lower than this get three value-axis ticks, so that their labels fit.
constexpr int kLowChartHeight = 200;

QFont AxisFont()
{
    QFont font(MappedFamily("Arial"));
    font.setPixelSize(11);
    return font;
}

QFont MarksFont()
{
    QFont font(MappedFamily("Arial"));
    font.setPixelSize(11);
    return font;
}

// The value axis from the smallest to the largest point, with room above for the marks.
void SetValueRange(QValueAxis& axis, const ChartData& data)
{
    double low = 0;
    double high = 0;
    bool any = false;
    for (const ChartSeries& series : data.Series)
        for (double y : series.Points) {
            low = any ? std::min(low, y) : y;
            high = any ? std::max(high, y) : y;
            any = true;
        }
    const double span = high - low;
    const double pad = span > 0 ? span * 0.12 : std::max(1.0, std::abs(high) * 0.1);
    axis.setRange(low - (span > 0 ? span * 0.04 : pad), high + pad);
    axis.applyNiceNumbers();
}

} // namespace

QColor QtColorOf(TColor color)
{
    return QColor::fromRgb(ColorToRgb(color, PaletteFromQt(QApplication::palette())));
}

QColor LegibleOn(const QColor& mark, const QColor& background)
{
    QColor color = mark;
    for (int step = 0; step < 20 && Contrast(color, background) < kMinContrast; ++step)
        color = color.darker(115);
    return color;
}

FinancialChart::FinancialChart(QWidget* parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    // The classic chart's raised inner and lowered outer bevel: a sunken panel is the nearest frame Qt has.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    QChart* chart = this->chart();
    const QColor background = QApplication::palette().color(QPalette::Light);
    chart->setBackgroundBrush(background);
    chart->setBackgroundRoundness(0);
    chart->setPlotAreaBackgroundVisible(false);
    chart->setDropShadowEnabled(false);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setShowToolTips(true);
    QFont title = AxisFont();
    title.setPixelSize(12);
    title.setBold(true);
    chart->setTitleFont(title);
    chart->legend()->setFont(QApplication::font());
}

void FinancialChart::Fill(const ChartData& data)
{
    QChart* chart = this->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis; // a removed axis is the caller's
    }
    chart->setTitle(QString::fromStdString(data.Title));

    auto* x = new QValueAxis;
    auto* y = new QValueAxis;
    x->setLabelFormat(QStringLiteral("%d"));
    y->setLabelFormat(QStringLiteral("%.4g"));
    x->setLabelsFont(AxisFont());
    y->setLabelsFont(AxisFont());
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    const QColor background = chart->backgroundBrush().color();
    size_t pointCount = 0;
    for (const ChartSeries& source : data.Series) {
        auto* series = new QLineSeries;
        series->setName(QString::fromStdString(source.Title));
        series->setColor(QtColorOf(source.Color));
        series->setPen(QPen(QtColorOf(source.LineColor), 1.5));
        // Plotted at the tables' four decimals, so that the marks read as the tables do.
        for (size_t i = 0; i < source.Points.size(); ++i)
            series->append(static_cast<qreal>(i), std::round(source.Points[i] * 1e4) / 1e4);
        series->setPointsVisible(true);
        series->setPointLabelsVisible(true);
        series->setPointLabelsClipping(false);
        series->setPointLabelsFont(MarksFont());
        series->setPointLabelsFormat(QStringLiteral("@yPoint"));
        series->setPointLabelsColor(LegibleOn(QtColorOf(source.Color), background));
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
        // The legend box shows the series colour, as the classic legend does.
        for (QLegendMarker* marker : chart->legend()->markers(series))
            marker->setBrush(QtColorOf(source.Color));
        pointCount = std::max(pointCount, source.Points.size());
    }
    const int last = std::max(1, static_cast<int>(pointCount) - 1);
    x->setRange(0, last);
    x->setTickCount(last + 1);
    SetValueRange(*y, data);
    if (height() < kLowChartHeight)
        y->setTickCount(3);
}

} // namespace qv
