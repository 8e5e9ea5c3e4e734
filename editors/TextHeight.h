// The height an editor control takes for its text.
#pragma once

#include "sheet/CellTypes.h"

#include <QFont>
#include <QString>

namespace qv {

// The text with "." appended (so that an empty or blank-ended text keeps a line), wrapped at words in width less
// the indent (taken on the left unless right-aligned, on the right unless left-aligned), at most cap pixels.
int AutoTextHeight(const QFont& font, const QString& text, int width, int indent, TXLHorzAlign alignment, int cap);

// The margins an indent gives an edit field: left unless right-aligned, right unless left-aligned.
struct TXLIndentMargins {
    int Left = 0;
    int Right = 0;
};
TXLIndentMargins IndentMargins(int indent, TXLHorzAlign alignment);

// Qt's horizontal alignment for a cell's.
Qt::Alignment ToQtAlignment(TXLHorzAlign alignment);

} // namespace qv
