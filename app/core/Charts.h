// The data of the ratio chart and the DuPont chart: series with titles, colours and points.
#pragma once

#include "platform/Colors.h"
#include "sheet/Sheet.h"

#include <string>
#include <vector>

namespace qv {

// What a series' value marks show: the value, or the charting component's default style.
enum TMarksStyle : uint8_t { msValue, msDefault };

struct ChartSeries {
    std::string Name;  // component name, "Series1"
    std::string Title; // legend text
    TColor Color;      // the series and its marks' text
    TColor LineColor;
    TMarksStyle Marks;
    std::vector<double> Points; // one per period; a point's x is its running number from 0
};

struct ChartData {
    std::string Title;
    std::vector<ChartSeries> Series; // in legend order
};

// The ratio chart refilled from the table as it stands (no computing): per period R(1), R(2), R(4), R(3) and
// R(16), each read as a double; the series in legend order Series3, Series4, Series1, Series2, Series5.
ChartData RatioChartData(TXLSheet& ratios, int periods);
// The DuPont chart: Series6, return on equity, holding the given points.
ChartData DuPontChartData(std::vector<double> points);

} // namespace qv
