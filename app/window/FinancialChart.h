// A line chart of the analysis (the ratio chart and the DuPont chart) on Qt Charts, filled from ChartData.
#pragma once

#include "app/core/Charts.h"

#include <QChartView>
#include <QColor>

namespace qv {

// The view owns its chart. Every series shows its values as marks above the points; x is the running period
// number from 0. The background is the button-highlight colour and the plot area is not filled, as the classic
// chart's back wall with a clear brush.
class FinancialChart : public QChartView {
public:
    explicit FinancialChart(QWidget* parent = nullptr);

    // Replaces the title, the series and the axes with the data's.
    void Fill(const ChartData& data);
};

// A colour of the platform as Qt's; system colours from the application's palette.
QColor QtColorOf(TColor color);
// The mark colour itself when it stands out from the background (contrast 3:1 or more), else that colour darkened
// until it does: white and yellow marks on the light background become grey and olive.
QColor LegibleOn(const QColor& mark, const QColor& background);

} // namespace qv
