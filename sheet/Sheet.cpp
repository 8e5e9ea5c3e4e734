// The sheet: coordinates and sectors, counts and sizes, update brackets and the reports to its users.
#include "sheet/Sheet.h"

#include "sheet/CalcSeam.h"
#include "sheet/CellName.h"
#include "sheet/GridError.h"
#include "sheet/Manager.h"

#include <algorithm>
#include <new>

namespace qv {

namespace {

constexpr int kMinPrintScale = 25;
constexpr int kMaxPrintScale = 500;

// The sections holding each part of an axis, cut when that part's count is lowered.
std::vector<TXLSector> SectionsOfPart(TXLAxis axis, TXLPart part)
{
    if (axis == axCols)
        return part == ptClient ? std::vector<TXLSector>{sCols, sClient} : std::vector<TXLSector>{sRows, sTitle};
    return part == ptClient ? std::vector<TXLSector>{sRows, sClient} : std::vector<TXLSector>{sCols, sTitle};
}

} // namespace

TXLSheet::TXLSheet()
{
    TXLManager& manager = XLManager();
    for (TXLSector sector : {sCols, sRows, sTitle, sClient})
        m_sections[sector] = std::make_unique<TXLSection>(*this, sector);
    m_baseClient = std::make_unique<TXLBaseStyle>(*this, true);
    m_baseTitle = std::make_unique<TXLBaseStyle>(*this, false);
    for (TXLSector sector : {sCols, sRows, sTitle})
        m_sections[sector]->SetBaseStyle(m_baseTitle.get());
    m_sections[sClient]->SetBaseStyle(m_baseClient.get());
    manager.Sheets().Add(this);
    SetColDefWidth(60);
    SetRowDefHeight(15);
    SetPrintScale(100);
    SetPrintTitles(kBothAxes);
    SetColCount(5);
    SetRowCount(5);
    SetTitleCols(1);
    SetTitleRows(1);
    UpdatePageRect(TXLReport::Silent);
}

TXLSheet::~TXLSheet()
{
    m_destroying = true;
    for (auto it = m_users.rbegin(); it != m_users.rend(); ++it)
        (*it)->SheetDetached();
    m_users.clear();
    for (auto& section : m_sections)
        section->Clear();
    if (m_styler)
        m_styler->DetachSheet(this);
    m_styler = nullptr;
    if (TXLManager* manager = XLManagerIfAlive())
        manager->Sheets().Remove(this);
}

TXLSector TXLSheet::GetSector(int col, int row, Point& local) const
{
    const TXLSector sector = col < 0 ? (row < 0 ? sTitle : sRows) : (row < 0 ? sCols : sClient);
    local = {col < 0 ? col + TitleCols() : col, row < 0 ? row + TitleRows() : row};
    return sector;
}

TXLCell& TXLSheet::GetCell(int col, int row)
{
    Point local;
    const TXLSector sector = GetSector(col, row, local);
    return m_sections[sector]->GetCell(local);
}

TXLCell* TXLSheet::FindCell(int col, int row) const
{
    Point local;
    const TXLSector sector = GetSector(col, row, local);
    if (local.x < 0 || local.y < 0)
        return nullptr;
    return m_sections[sector]->FindCell(local);
}

Variant TXLSheet::GetCellValue(int col, int row) const
{
    TXLCell* cell = FindCell(col, row);
    return cell ? cell->GetValue() : Variant();
}

void TXLSheet::SetCellValue(int col, int row, const Variant& value)
{
    GetCell(col, row).SetValue(value);
}

int TXLSheet::IterateCells(const Rect& rect, TXLCellWalk walk, const std::function<bool(TXLCell&)>& fn)
{
    const Rect area = rect.Intersect(GetSheetRect());
    int visited = 0;
    bool stopped = false;
    for (TXLSector sector : {sCols, sRows, sTitle, sClient}) {
        const bool titleCols = sector == sRows || sector == sTitle;
        const bool titleRows = sector == sCols || sector == sTitle;
        const Rect part{titleCols ? -TitleCols() : 0, titleRows ? -TitleRows() : 0, titleCols ? 0 : ColCount(),
                        titleRows ? 0 : RowCount()};
        const Rect r = area.Intersect(part);
        if (r.IsEmpty() || stopped)
            continue;
        const int dx = titleCols ? TitleCols() : 0;
        const int dy = titleRows ? TitleRows() : 0;
        visited += m_sections[sector]->ForEachCell(r.Offset(dx, dy), walk, [&](TXLCell& cell) {
            stopped = !fn(cell);
            return !stopped;
        });
    }
    return visited;
}

void TXLSheet::SetCount(TXLAxis axis, TXLPart part, int count)
{
    // Beyond kMaxCount nothing could be stored, yet every walk over the axis would pay for it.
    count = std::clamp(count, 0, kMaxCount);
    TXLSizeList& sizes = m_sizes[axis][part];
    if (count != sizes.Count()) {
        if (count < sizes.Count())
            for (TXLSector sector : SectionsOfPart(axis, part))
                m_sections[sector]->Truncate(axis, count);
        sizes.SetCount(count);
        Notify([&](IXLSheetUser* u) { u->SizesChanged(AxisBit(axis), ptClient); });
    }
    m_hidden[axis][part].SetCount(count);
}

void TXLSheet::SetDefaultSize(TXLAxis axis, int size)
{
    for (TXLPart part : {ptTitles, ptClient}) {
        TXLSizeList& sizes = m_sizes[axis][part];
        if (sizes.Default() == size && sizes.IsEmpty())
            continue;
        sizes.SetDefault(size); // drops the explicit sizes, keeps the count
        // A hidden item stays hidden; its remembered size is dropped too, to the new default.
        TXLSizeList& hidden = m_hidden[axis][part];
        std::vector<int> hiddenItems;
        hidden.ForEach([&](int pos, int32_t) { hiddenItems.push_back(pos); });
        for (int pos : hiddenItems) {
            hidden.SetValue(pos, std::max(1, size));
            sizes.SetValue(pos, 0);
        }
        Notify([&](IXLSheetUser* u) { u->SizesChanged(AxisBit(axis), part); });
    }
}

void TXLSheet::SetMaxSize(TXLAxis axis, int size)
{
    if (size == m_maxSize[axis])
        return;
    m_maxSize[axis] = size;
    if (size <= 0)
        return;
    if (size < m_sizes[axis][ptClient].Default()) {
        SetDefaultSize(axis, size);
        return;
    }
    // At or above the default only explicit sizes, shown or remembered for hidden items, can exceed the maximum.
    const int titles = m_sizes[axis][ptTitles].Count();
    std::vector<int> larger;
    for (TXLPart part : {ptTitles, ptClient}) {
        const int first = part == ptTitles ? -titles : 0;
        const int count = m_sizes[axis][part].Count();
        for (const auto* list : {&m_sizes[axis][part], &m_hidden[axis][part]})
            list->ForEachIn(0, count, [&](int pos, int32_t) {
                if (GetSize(first + pos, axis) > size)
                    larger.push_back(first + pos);
            });
    }
    for (int index : larger)
        SetSize(index, axis, size);
}

std::pair<TXLPart, int> TXLSheet::PartOf(int index, TXLAxis axis) const
{
    if (index < 0)
        return {ptTitles, index + m_sizes[axis][ptTitles].Count()};
    return {ptClient, index};
}

int TXLSheet::GetSize(int index, TXLAxis axis) const
{
    const auto [part, pos] = PartOf(index, axis);
    const int remembered = m_hidden[axis][part].GetValue(pos);
    return remembered != 0 ? remembered : m_sizes[axis][part].GetValue(pos);
}

void TXLSheet::SetSize(int index, TXLAxis axis, int size)
{
    if (size == -1)
        size = AutoSize(index, axis);
    if (size == 0)
        size = 1;
    const auto [part, pos] = PartOf(index, axis);
    if (!IsVisible(index, axis)) {
        m_hidden[axis][part].SetValue(pos, size);
        return;
    }
    ApplySize(axis, index, size);
}

int TXLSheet::CheckSize(int index, TXLAxis axis, int size)
{
    if (OnSizing)
        OnSizing(*this, axis, index, size);
    if (m_maxSize[axis] > 0)
        size = std::min(size, m_maxSize[axis]);
    return size;
}

void TXLSheet::ApplySize(TXLAxis axis, int index, int size)
{
    const std::pair<TXLPart, int> where = PartOf(index, axis);
    const TXLPart part = where.first;
    const int pos = where.second;
    size = CheckSize(index, axis, size);
    TXLSizeList& sizes = m_sizes[axis][part];
    if (pos < 0 || pos >= sizes.Count() || sizes.GetValue(pos) == size)
        return;
    sizes.SetValue(pos, size);
    Notify([&](IXLSheetUser* u) { u->SizeChanged(axis, part, pos); });
}

void TXLSheet::StoreSize(TXLAxis axis, TXLPart part, int pos, int size, const IXLSheetUser* applied)
{
    TXLSizeList& sizes = m_sizes[axis][part];
    if (pos < 0 || pos >= sizes.Count() || sizes.GetValue(pos) == size)
        return;
    sizes.SetValue(pos, size);
    Notify([&](IXLSheetUser* u) {
        if (u != applied)
            u->SizeChanged(axis, part, pos);
    });
}

bool TXLSheet::IsVisible(int index, TXLAxis axis) const
{
    const auto [part, pos] = PartOf(index, axis);
    return m_hidden[axis][part].GetValue(pos) == 0;
}

void TXLSheet::SetVisible(int index, TXLAxis axis, bool visible)
{
    if (IsVisible(index, axis) == visible)
        return;
    const auto [part, pos] = PartOf(index, axis);
    TXLSizeList& hidden = m_hidden[axis][part];
    if (!visible) {
        hidden.SetValue(pos, std::max(1, m_sizes[axis][part].GetValue(pos)));
        ApplySize(axis, index, 0);
    } else {
        const int remembered = hidden.GetValue(pos);
        hidden.SetValue(pos, 0);
        ApplySize(axis, index, remembered);
    }
}

int TXLSheet::AutoColWidth(int col)
{
    return AutoSize(col, axCols);
}

int TXLSheet::AutoRowHeight(int row)
{
    return AutoSize(row, axRows);
}

int TXLSheet::AutoSize(int index, TXLAxis axis)
{
    TXLCanvas& canvas = XLManager().Devices().MeasureCanvas();
    TXLCanvasStateSaver saver(canvas);
    const TXLAxis across = Across(axis);
    const int titles = across == axCols ? TitleCols() : TitleRows();
    const int count = across == axCols ? ColCount() : RowCount();
    int largest = 0;
    // Client items across first with the client font, then the title items with the title font.
    for (int pass = 0; pass < 2; ++pass) {
        canvas.SetFont((pass == 0 ? BaseClientStyle() : BaseTitleStyle()).Font().Data());
        const int first = pass == 0 ? 0 : -titles;
        const int end = pass == 0 ? count : 0;
        for (int i = first; i < end; ++i) {
            TXLCell* cell = axis == axCols ? FindCell(index, i) : FindCell(i, index);
            if (!cell || !IsVisible(i, across))
                continue;
            const int span = axis == axCols ? cell->Width() : cell->Height();
            if (span > 1)
                continue;
            const Size measured = cell->Measure(canvas);
            largest = std::max(largest, axis == axCols ? measured.cx : measured.cy);
        }
    }
    return largest > 0 ? largest : (axis == axCols ? ColDefWidth() : RowDefHeight());
}

void TXLSheet::BeginUpdate()
{
    if (m_updateCount++ == 0) {
        m_repaintPending = false;
        Notify([](IXLSheetUser* u) { u->BeginUpdate(); });
    }
}

void TXLSheet::EndUpdate()
{
    if (m_updateCount == 0)
        return;
    if (--m_updateCount > 0) {
        m_repaintPending = true;
        return;
    }
    Notify([](IXLSheetUser* u) { u->EndUpdate(); });
    if (m_repaintPending) {
        m_repaintPending = false;
        Notify([](IXLSheetUser* u) { u->InvalidateAll(); });
    }
}

void TXLSheet::AddUser(IXLSheetUser* user)
{
    if (!user || std::find(m_users.begin(), m_users.end(), user) != m_users.end())
        return;
    m_users.push_back(user);
    if (IsUpdating())
        user->BeginUpdate();
}

void TXLSheet::RemoveUser(IXLSheetUser* user)
{
    const auto it = std::find(m_users.begin(), m_users.end(), user);
    if (it == m_users.end())
        return;
    m_users.erase(it);
    if (IsUpdating())
        user->EndUpdate();
}

void TXLSheet::Clear()
{
    BeginUpdate();
    // Clearing a list keeps its count and default.
    for (auto* lists : {&m_sizes, &m_hidden})
        for (auto& axis : *lists)
            for (TXLSizeList& list : axis)
                list.Clear();
    for (auto& section : m_sections)
        section->Clear();
    EndUpdate();
}

void TXLSheet::SetModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    if (OnModified)
        OnModified(*this);
}

void TXLSheet::SetStyler(TXLStyler* styler)
{
    if (styler == m_styler)
        return;
    TXLStyler* old = m_styler;
    if (old && styler) {
        // Carry each cell's style over by its alias.
        ByteWriter names;
        for (auto& section : m_sections)
            section->WriteStyleNames(names);
        old->DetachSheet(this);
        m_styler = styler;
        styler->AttachSheet(this);
        ByteReader reader(names.Data());
        for (auto& section : m_sections)
            section->ReadStyleNames(reader);
    } else {
        if (old && !m_destroying)
            for (auto& section : m_sections)
                section->ClearStyles(nullptr);
        if (old)
            old->DetachSheet(this);
        m_styler = styler;
        if (styler)
            styler->AttachSheet(this);
    }
    if (OnStylerChanged)
        OnStylerChanged(*this);
}

void TXLSheet::SetAuthor(const std::string& author)
{
    if (author == m_author)
        return;
    m_author = author;
    SetModified(true);
}

void TXLSheet::SetTitle(const std::string& title)
{
    if (title == m_title)
        return;
    m_title = title;
    SetModified(true);
}

void TXLSheet::SetPrintMargin(TXLSide side, int margin)
{
    if (side > sBottom)
        return;
    margin = std::max(0, margin);
    if (margin == m_margins[side])
        return;
    m_margins[side] = margin;
    UpdatePageRect(TXLReport::Notify);
}

void TXLSheet::SetPrintMode(TXLPrintMode mode)
{
    // Leaving the normal mode starts from full scale; the mode is then stored as asked, whatever the scale.
    if (m_printMode == pmNormal)
        SetPrintScale(100);
    m_printMode = mode;
}

void TXLSheet::SetPrintScale(int scale)
{
    scale = std::clamp(scale, kMinPrintScale, kMaxPrintScale);
    if (scale == m_printScale)
        return;
    m_printMode = scale == 100 ? pmNormal : pmCustom;
    m_printScale = scale;
    UpdatePageRect(TXLReport::Notify);
}

void TXLSheet::SetPrintHidden(bool on)
{
    if (on == m_printHidden)
        return;
    m_printHidden = on;
    UpdatePageRect(TXLReport::Notify);
}

void TXLSheet::SetPrintTitles(TXLAxes axes)
{
    axes &= kBothAxes;
    if (axes == m_printTitles)
        return;
    m_printTitles = axes;
    UpdatePageRect(TXLReport::Notify);
}

void TXLSheet::SetPrintGridLines(bool on)
{
    if (on == m_printGridLines)
        return;
    m_printGridLines = on;
    UpdatePageRect(TXLReport::Notify);
}

void TXLSheet::UpdatePageRect(TXLReport report)
{
    const Rect page = XLManager().Devices().PageRect();
    m_pageRect = {page.left + m_margins[sLeft], page.top + m_margins[sTop], page.right - m_margins[sRight],
                  page.bottom - m_margins[sBottom]};
    if (report == TXLReport::Notify)
        Notify([](IXLSheetUser* u) { u->PageChanged(); });
}

void TXLSheet::GetPageBreaks(std::vector<int>& colBreaks, std::vector<int>& rowBreaks) const
{
    const TXLManager& manager = XLManager();
    const int ppi = manager.Devices().ScreenPixelsPerInch();
    for (TXLAxis axis : {axCols, axRows}) {
        std::vector<int>& breaks = axis == axCols ? colBreaks : rowBreaks;
        breaks.clear();
        const int resolution =
            axis == axCols ? manager.Devices().PrinterResolution().cx : manager.Devices().PrinterResolution().cy;
        const int64_t factor = int64_t{resolution} * 100 / ppi * m_printScale / 100;
        const auto scaled = [&](int64_t pixels) { return pixels * factor / 100; };
        const int64_t page =
            (axis == axCols ? m_pageRect.Width() : m_pageRect.Height()) * (int64_t{resolution} * 100 / ppi) / 100;
        const TXLSizeList& titles = m_sizes[axis][ptTitles];
        int64_t titleTotal = 0;
        for (int i = 0; i < titles.Count(); ++i)
            titleTotal += scaled(titles.GetValue(i));
        const int64_t available = page - titleTotal;
        const TXLSizeList& sizes = m_sizes[axis][ptClient];
        int64_t sum = 0;
        for (int i = 0; i < sizes.Count(); ++i) {
            const int64_t size = scaled(sizes.GetValue(i));
            // A page holds at least one item, however large.
            if (sum > 0 && sum + size > available) {
                breaks.push_back(i);
                sum = 0;
            }
            sum += size;
        }
        breaks.push_back(sizes.Count());
    }
}

void TXLSheet::SetBackground(const TXLGraphicData& picture)
{
    if (picture == m_background)
        return;
    m_background = picture;
    Notify([](IXLSheetUser* u) { u->InvalidateSector(sClient); });
}

void TXLSheet::InvalidateCells(TXLSector sector, const Rect& rect, int flag)
{
    if (IsUpdating()) {
        m_repaintPending = true;
        return;
    }
    Notify([&](IXLSheetUser* u) { u->InvalidateCells(sector, rect, flag); });
}

void TXLSheet::InvalidateSector(TXLSector sector)
{
    if (IsUpdating()) {
        m_repaintPending = true;
        return;
    }
    Notify([&](IXLSheetUser* u) { u->InvalidateSector(sector); });
}

void TXLSheet::CellsChanged(TXLSector sector, const Rect* rect)
{
    Notify([&](IXLSheetUser* u) { u->CellsChanged(sector, rect); });
}

void TXLSheet::CellRemoved(TXLCell& cell)
{
    Notify([&](IXLSheetUser* u) { u->CellRemoved(cell); });
}

void TXLSheet::UnionsChanged(bool loaded)
{
    Notify([&](IXLSheetUser* u) { u->UnionsChanged(loaded); });
}

void TXLSheet::CellValueChanged(TXLCell& cell)
{
    if (!OnCellChanged || m_inCellChanged || !(cell.Styles() & CellStyleBit(csNotify)))
        return;
    const Point origin = cell.GetSection()->ToSheet(cell.GetOrigin());
    m_inCellChanged = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{m_inCellChanged};
    OnCellChanged(*this, origin);
}

void TXLSheet::FireSetCellHint(Point local, std::string& text)
{
    if (OnSetCellHint)
        OnSetCellHint(*this, local, text);
}

std::string TXLSheet::FireGetCellHint(Point local) const
{
    std::string text;
    if (OnGetCellHint)
        OnGetCellHint(const_cast<TXLSheet&>(*this), local, text);
    return text;
}

void TXLSheet::DoFunction(const std::string&, std::span<const Variant>, Variant&) {}

void TXLSheet::DoVariable(const std::string& variable, Variant& result)
{
    Point p;
    if (!TryCellNameToPoint(variable, p) || p.x >= ColCount() || p.y >= RowCount())
        return;
    try {
        result = GetCellValue(p.x, p.y);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        result = Variant();
    }
}

Variant TXLSheet::CalcExpression(std::string_view text, const TXLCell* cell, TXLCalcMode mode)
{
    const TXLExpressionCalculator calculate = ExpressionCalculator();
    if (!calculate)
        throw EXLGridError("The formula engine is not started");
    return calculate(*this, text, cell, mode);
}

} // namespace qv
