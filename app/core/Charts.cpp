// Series of the two charts, as the chart pages show them.
#include "app/core/Charts.h"

#include "app/core/Analysis.h"
#include "sheet/Manager.h"

#include <algorithm>

namespace qv {

ChartData RatioChartData(TXLSheet& ratios, int periods)
{
    // Series1..Series5 and the table rows they plot, in the order the points are read.
    struct Source {
        int Row;
        ChartSeries Series;
    };
    Source sources[] = {
        {1, {"Series1", "流动比率", clRed, clRed, msValue, {}}},
        {2, {"Series2", "速动比率", clGreen, clGreen, msDefault, {}}},
        {4, {"Series3", "资产负债率", clYellow, clYellow, msValue, {}}},
        {3, {"Series4", "现金比率", clBlue, clGray, msValue, {}}},
        {16, {"Series5", "销售利润率", clWhite, clGray, msValue, {}}},
    };
    const int last = kFirstPeriodColumn + std::clamp(periods, kMinPeriods, kMaxPeriods) - 1;
    for (int col = kFirstPeriodColumn; col <= last; ++col)
        for (Source& source : sources)
            source.Series.Points.push_back(
                ratios.GetCell(col, source.Row).GetValue().ToDouble(XLManager().Desktop().GetLocale()));
    ChartData chart{"企业财务分析跟踪 按有效期数", {}};
    // Legend order is the order the series were created in.
    for (int index : {2, 3, 0, 1, 4})
        chart.Series.push_back(std::move(sources[index].Series));
    return chart;
}

ChartData DuPontChartData(std::vector<double> points)
{
    return {"净资产收益率", {{"Series6", "净资产收益率", clRed, clRed, msValue, std::move(points)}}};
}

} // namespace qv
