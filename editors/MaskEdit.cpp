// The mask editor: the mask as Qt's input mask, margins, automatic height and its keys.
#include "editors/MaskEdit.h"

#include "editors/TextHeight.h"
#include "sheet/Cell.h"

#include <QKeyEvent>
#include <QTimer>

namespace qv {

namespace {

// Qt's input mask for ours: the same placeholders under Qt's letters, literals escaped, case switches kept.
QString ToQtInputMask(const EditMask& mask)
{
    QString qt;
    MaskCase current = MaskCase::Unchanged;
    for (const MaskItem& item : mask.Items) {
        if (item.Case != current) {
            qt += item.Case == MaskCase::Upper   ? QLatin1Char('>')
                  : item.Case == MaskCase::Lower ? QLatin1Char('<')
                                                 : QLatin1Char('!');
            current = item.Case;
        }
        switch (item.Kind) {
        case MaskKind::Literal:
            qt += QLatin1Char('\\') + QString::fromStdString(item.Literal);
            break;
        case MaskKind::Letter:
            qt += item.Required ? QLatin1Char('A') : QLatin1Char('a');
            break;
        case MaskKind::LetterOrDigit:
            qt += item.Required ? QLatin1Char('N') : QLatin1Char('n');
            break;
        case MaskKind::AnyCharacter:
            qt += item.Required ? QLatin1Char('X') : QLatin1Char('x');
            break;
        case MaskKind::Digit:
            qt += item.Required ? QLatin1Char('9') : QLatin1Char('0');
            break;
        case MaskKind::DigitOrSign:
            qt += QLatin1Char('#');
            break;
        }
    }
    return qt + QLatin1Char(';') + QString::fromStdString(mask.Blank);
}

} // namespace

TXLMaskEdit::TXLMaskEdit(QWidget* parent) : QLineEdit(parent)
{
    setFrame(false);
    ApplyMargins();
    connect(this, &QLineEdit::textChanged, this, [this] { AutoHeight(); });
}

TXLLoadAnswer TXLMaskEdit::LoadCell(TXLCell& cell)
{
    SetEditMask(cell.GetFormatMask());
    setText(QString::fromStdString(cell.GetDisplayText()));
    setModified(false);
    AutoHeight();
    if (!HasEditMask())
        PostClearSelection();
    return {};
}

void TXLMaskEdit::SaveCell(TXLCell& cell)
{
    cell.SetValue(Variant(Text()));
}

void TXLMaskEdit::Layout(const TXLLayout& layout)
{
    m_indent = layout.Indent;
    m_alignment = layout.HorzAlign;
    setAlignment(ToQtAlignment(m_alignment) | Qt::AlignTop);
    ApplyMargins();
    AutoHeight();
}

void TXLMaskEdit::SetEditMask(const std::string& mask)
{
    m_mask = ParseEditMask(mask);
    setInputMask(HasEditMask() ? ToQtInputMask(m_mask) : QString());
}

std::string TXLMaskEdit::Text() const
{
    if (!HasEditMask())
        return text().toStdString();
    // Qt shows one character per mask item, blanks where nothing was typed.
    const QString shown = displayText();
    const QString blank = QString::fromStdString(m_mask.Blank);
    QString kept;
    for (int i = 0; i < int(m_mask.Items.size()) && i < shown.size(); ++i) {
        const bool literal = m_mask.Items[std::size_t(i)].Kind == MaskKind::Literal;
        if (literal ? m_mask.SaveLiterals : shown.mid(i, 1) != blank)
            kept += shown[i];
    }
    return kept.toStdString();
}

void TXLMaskEdit::ApplyMargins()
{
    const TXLIndentMargins margins = IndentMargins(m_indent, m_alignment);
    setTextMargins(margins.Left, 0, margins.Right, 0);
}

void TXLMaskEdit::AutoHeight()
{
    const QWidget* host = parentWidget();
    const int cap = host ? host->contentsRect().height() : QWIDGETSIZE_MAX;
    // The line edit keeps a pixel above and below its text.
    const int height = AutoTextHeight(font(), text(), width(), m_indent, m_alignment, cap - 2) + 2;
    if (height != this->height())
        resize(width(), height);
}

void TXLMaskEdit::PostClearSelection()
{
    QTimer::singleShot(0, this, [this] { deselect(); });
}

void TXLMaskEdit::keyPressEvent(QKeyEvent* event)
{
    if (HasEditMask() && selectedText().size() <= 1 && event->modifiers() == Qt::NoModifier) {
        const bool atStart = event->key() == Qt::Key_Left && cursorPosition() == 0;
        const bool atEnd = event->key() == Qt::Key_Right && cursorPosition() >= displayText().size();
        if (atStart || atEnd) {
            // Ignored, the key goes up to the grid, which moves the current cell.
            event->ignore();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

bool TXLMaskEdit::event(QEvent* event)
{
    // Delete is an editing key here, never a shortcut of a menu.
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void TXLMaskEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    AutoHeight();
}

void TXLMaskEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        ApplyMargins();
        AutoHeight();
    }
}

} // namespace qv
