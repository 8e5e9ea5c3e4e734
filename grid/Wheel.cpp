// The wheel's zoom steps and scroll lines, and the grid's reaction to a wheel event.
#include "grid/Wheel.h"

#include "grid/Pane.h"
#include "sheet/Sheet.h"

#include <algorithm>
#include <cstdlib>

namespace qv {

int WheelZoom(int scale, int delta)
{
    if (delta > 0)
        scale += scale >= 100 ? 25 : 15;
    else
        scale -= scale > 100 ? 25 : 15;
    return std::clamp(scale, kMinScale, kMaxWheelScale);
}

int WheelLines(int delta, int rowDefHeight)
{
    return std::abs(delta / 2 / std::max(1, rowDefHeight)) + 1;
}

bool MouseWheel(IXLPaneOwner& grid, int delta, TXLShiftState shift, TXLTracker tracker)
{
    TXLSheet* sheet = grid.Sheet();
    if (!sheet)
        return false;
    if (tracker == TXLTracker::Sizing)
        return true;
    if (shift == ssCtrl && !grid.HasOption(oFixScale)) {
        grid.SetScale(WheelZoom(grid.Scale(), delta));
        return true;
    }
    TXLPane& body = grid.Pane(sClient);
    const TXLScrollCode code = delta > 0 ? scLineUp : scLineDown;
    for (int lines = WheelLines(delta, sheet->RowDefHeight()); lines > 0; --lines)
        body.SetOrigin({body.Origin().x, body.ScrollPosFor(axRows, code, 0)});
    return true;
}

} // namespace qv
