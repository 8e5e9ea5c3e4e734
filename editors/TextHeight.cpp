// Automatic heights and indent margins of the editor controls.
#include "editors/TextHeight.h"

#include <QFontMetrics>

#include <algorithm>

namespace qv {

namespace {

constexpr int kMeasureHeight = 10240;

} // namespace

TXLIndentMargins IndentMargins(int indent, TXLHorzAlign alignment)
{
    return {alignment == haRight ? 0 : indent, alignment == haLeft ? 0 : indent};
}

int AutoTextHeight(const QFont& font, const QString& text, int width, int indent, TXLHorzAlign alignment, int cap)
{
    const TXLIndentMargins margins = IndentMargins(indent, alignment);
    const int inside = std::max(1, width - margins.Left - margins.Right);
    const QRect measured =
        QFontMetrics(font).boundingRect(QRect(0, 0, inside, kMeasureHeight), Qt::TextWordWrap, text + '.');
    return std::min(measured.height(), cap);
}

Qt::Alignment ToQtAlignment(TXLHorzAlign alignment)
{
    switch (alignment) {
    case haRight:
        return Qt::AlignRight;
    case haCenter:
        return Qt::AlignHCenter;
    case haLeft:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace qv
