// The non-visual spreadsheet: sections, sizes, base styles, print settings, events and its users.
#pragma once

#include "platform/Graphic.h"
#include "platform/Variant.h"
#include "sheet/Section.h"
#include "sheet/SheetUser.h"
#include "sheet/Style.h"

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class ReadProgress;

// The largest count of an axis part (1,048,560): one past the highest index a sparse list holds.
inline constexpr int kMaxCount = kMaxSListIndex + 1;

// Whether a formula evaluation applies its operators or only parses and resolves names.
enum TXLCalcMode : int { cmEvaluate, cmCheckOnly };

class TXLSheet {
public:
    // Registers with the manager (EXLGridError after its shutdown); a new sheet is Modified.
    TXLSheet();
    virtual ~TXLSheet();
    TXLSheet(const TXLSheet&) = delete;
    TXLSheet& operator=(const TXLSheet&) = delete;

    std::string Name;
    int Tag = 0;

    // Cells by sheet coordinates: titles negative, client cells from 0. Inside a merged range the range's
    // top-left cell is meant. GetCell creates a missing cell (of the section base style's class); coordinates
    // left of the title columns or above the title rows raise EXLGridError.
    TXLCell& GetCell(int col, int row);
    TXLCell* FindCell(int col, int row) const;
    // The sector of a sheet coordinate, and its section-local point.
    TXLSector GetSector(int col, int row, Point& local) const;
    // Unassigned without a cell; never creates one.
    Variant GetCellValue(int col, int row) const;
    void SetCellValue(int col, int row, const Variant& value);
    // Calls fn for each cell of the sheet rectangle, sector by sector (column titles, row titles, corner,
    // client); with create, missing cells are made first. fn returns false to stop. Returns the cells visited.
    int IterateCells(const Rect& rect, TXLCellWalk walk, const std::function<bool(TXLCell&)>& fn);
    // (-TitleCols, -TitleRows, ColCount, RowCount), right and bottom exclusive.
    Rect GetSheetRect() const { return {-TitleCols(), -TitleRows(), ColCount(), RowCount()}; }
    TXLSection& Section(TXLSector sector) { return *m_sections[sector]; }
    const TXLSection& Section(TXLSector sector) const { return *m_sections[sector]; }
    SheetMemory& Memory() { return m_memory; }

    // Counts, clamped to [0, kMaxCount]; lowering one frees what lies at and beyond it.
    int ColCount() const { return m_sizes[axCols][ptClient].Count(); }
    int RowCount() const { return m_sizes[axRows][ptClient].Count(); }
    int TitleCols() const { return m_sizes[axCols][ptTitles].Count(); }
    int TitleRows() const { return m_sizes[axRows][ptTitles].Count(); }
    void SetColCount(int count) { SetCount(axCols, ptClient, count); }
    void SetRowCount(int count) { SetCount(axRows, ptClient, count); }
    void SetTitleCols(int count) { SetCount(axCols, ptTitles, count); }
    void SetTitleRows(int count) { SetCount(axRows, ptTitles, count); }
    // Default sizes; assigning one drops every explicit size of the axis.
    int ColDefWidth() const { return m_sizes[axCols][ptClient].Default(); }
    int RowDefHeight() const { return m_sizes[axRows][ptClient].Default(); }
    void SetColDefWidth(int size) { SetDefaultSize(axCols, size); }
    void SetRowDefHeight(int size) { SetDefaultSize(axRows, size); }
    // 0 or less: no limit.
    int ColMaxWidth() const { return m_maxSize[axCols]; }
    int RowMaxHeight() const { return m_maxSize[axRows]; }
    void SetColMaxWidth(int size) { SetMaxSize(axCols, size); }
    void SetRowMaxHeight(int size) { SetMaxSize(axRows, size); }

    // Sizes at scale 100 by sheet index (negative for titles); a hidden item reports its remembered size.
    int GetSize(int index, TXLAxis axis) const;
    // -1 asks for the automatic size, 0 is stored as 1.
    void SetSize(int index, TXLAxis axis, int size);
    // The size the sizing check makes of a proposed one (OnSizing, then the axis's maximum), storing nothing.
    int CheckSize(int index, TXLAxis axis, int size);
    // Stores a size that one user has already applied to itself (a dragged boundary): the list takes it as it is,
    // without the sizing check, and every user but that one hears SizeChanged. pos is the position in its part;
    // outside the part's count nothing happens.
    void StoreSize(TXLAxis axis, TXLPart part, int pos, int size, const IXLSheetUser* applied);
    bool IsVisible(int index, TXLAxis axis) const;
    void SetVisible(int index, TXLAxis axis, bool visible);
    // The widest (tallest) measure of the column's (row's) cells on the measuring canvas; the default when 0.
    int AutoColWidth(int col);
    int AutoRowHeight(int row);
    const TXLSizeList& Sizes(TXLAxis axis, TXLPart part) const { return m_sizes[axis][part]; }
    const TXLSizeList& HiddenSizes(TXLAxis axis, TXLPart part) const { return m_hidden[axis][part]; }

    // Nesting update brackets: inside them repaint requests merge into one InvalidateAll at the end.
    void BeginUpdate();
    void EndUpdate();
    bool IsUpdating() const { return m_updateCount > 0; }
    // BeginUpdate now, EndUpdate when the scope ends, also by an exception.
    class UpdateScope {
    public:
        explicit UpdateScope(TXLSheet& sheet) : m_sheet(sheet) { m_sheet.BeginUpdate(); }
        ~UpdateScope() { m_sheet.EndUpdate(); }
        UpdateScope(const UpdateScope&) = delete;
        UpdateScope& operator=(const UpdateScope&) = delete;

    private:
        TXLSheet& m_sheet;
    };
    // Users are told of changes in registration order; a user is registered once.
    void AddUser(IXLSheetUser* user);
    void RemoveUser(IXLSheetUser* user);
    int UserCount() const { return static_cast<int>(m_users.size()); }
    IXLSheetUser* Users(int index) const { return m_users[index]; }
    // Empties the size lists (counts and defaults stay) and the sections.
    void Clear();

    // The sheet stream (the XLData property): base styles, size lists, sections. Both leave the sheet unmodified.
    void WriteData(ByteWriter& writer);
    // Clears the sheet first. EXLGridError "Unknown XLGrid stream format!" when the stream does not begin with
    // "XLG"; EXLStreamError when it ends early or holds impossible values.
    void ReadData(ByteReader& reader);
    // The whole-sheet file: the published properties and XLData in a component stream.
    void SaveToStream(ByteWriter& writer);
    // Damage raises EXLStreamError; the sheet then holds what was read before it.
    void LoadFromStream(ByteReader& reader);
    // Replaces the file atomically: on failure the old file stays and EFileError propagates.
    void SaveToFile(const std::string& path);
    void LoadFromFile(const std::string& path);
    // After loading: every section binds the style indexes its cells were read with.
    void AfterLoad();

    bool Modified() const { return m_modified; }
    void SetModified(bool modified);
    bool ReadOnly = false;

    TXLBaseStyle& BaseClientStyle() { return *m_baseClient; }
    TXLBaseStyle& BaseTitleStyle() { return *m_baseTitle; }
    TXLStyler* Styler() const { return m_styler; }
    // Cells with a style move to the new styler's style of the same alias; without a new styler every cell
    // drops its style and its own formatting.
    void SetStyler(TXLStyler* styler);

    const std::string& Author() const { return m_author; }
    const std::string& Title() const { return m_title; }
    void SetAuthor(const std::string& author);
    void SetTitle(const std::string& title);

    // Print settings. Margins are in screen pixels and never negative.
    int PrintMargin(TXLSide side) const { return m_margins[side]; }
    void SetPrintMargin(TXLSide side, int margin); // sLeft, sTop, sRight or sBottom
    TXLPrintMode PrintMode() const { return m_printMode; }
    void SetPrintMode(TXLPrintMode mode);
    // 25..500 percent; leaving or reaching 100 switches the mode.
    int PrintScale() const { return m_printScale; }
    void SetPrintScale(int scale);
    bool PrintHidden() const { return m_printHidden; }
    void SetPrintHidden(bool on);
    TXLAxes PrintTitles() const { return m_printTitles; }
    void SetPrintTitles(TXLAxes axes);
    bool PrintGridLines() const { return m_printGridLines; }
    void SetPrintGridLines(bool on);
    // The printable rectangle in screen pixels: the manager's page less the margins.
    Rect PageRect() const { return m_pageRect; }
    void UpdatePageRect(TXLReport report);
    // Indexes of the client columns and rows at which printed pages break, each list ended by the count.
    void GetPageBreaks(std::vector<int>& colBreaks, std::vector<int>& rowBreaks) const;

    const TXLGraphicData& Background() const { return m_background; }
    void SetBackground(const TXLGraphicData& picture);

    std::function<void(TXLSheet&, TXLAxis, int index, int& size)> OnSizing; // index in sheet coordinates
    std::function<void(TXLSheet&)> OnModified;
    std::function<void(TXLSheet&)> OnStylerChanged;
    std::function<void(TXLSheet&, Point)> OnCellClick;    // section-local point
    std::function<void(TXLSheet&, Point)> OnCellDblClick; // section-local point
    std::function<void(TXLSheet&, Point)> OnCellChanged;  // sheet coordinates of the cell's top-left
    std::function<void(TXLSheet&, Point, std::string&)> OnGetCellHint;
    std::function<void(TXLSheet&, Point, std::string&)> OnSetCellHint;

    // Formulas. Name resolution passes the upper-cased name; a handler that does not know it leaves result
    // Null, any other value (Empty included) is its answer. The function table is asked before these.
    std::function<void(TXLSheet&, const std::string& function, std::span<const Variant> params, Variant& result)>
        OnFunction;
    std::function<void(TXLSheet&, const std::string& variable, Variant& result)> OnVariable;
    // Called after OnFunction when it left result Null; the sheet's own version knows no function.
    virtual void DoFunction(const std::string& function, std::span<const Variant> params, Variant& result);
    // Called after OnVariable when it left result Null; the sheet's own version reads a client cell by its name
    // (B12) inside ColCount x RowCount, Empty when reading it fails. It raises only std::bad_alloc: out of memory
    // is no empty cell.
    virtual void DoVariable(const std::string& variable, Variant& result);
    // Evaluates formula text against the sheet. cell is the formula cell being computed, or null; while it is
    // computed it is on the evaluation stack, and asking for it again raises EXLCircular. Every error of the
    // evaluation passes to the caller; EXLGridError "The formula engine is not started" before InitEngine.
    Variant CalcExpression(std::string_view text, const TXLCell* cell, TXLCalcMode mode = cmEvaluate);
    // The formula cells whose evaluation is running on this sheet, innermost last; kept by the formula engine.
    std::vector<const TXLCell*>& EvaluationStack() { return m_evaluationStack; }

    // Reports from the model to the users.
    void InvalidateCells(TXLSector sector, const Rect& rect, int flag);
    void InvalidateSector(TXLSector sector);
    void CellsChanged(TXLSector sector, const Rect* rect);
    void CellRemoved(TXLCell& cell);
    void UnionsChanged(bool loaded);
    // A cell's value changed: OnCellChanged for csNotify cells, never nested.
    void CellValueChanged(TXLCell& cell);
    void FireSetCellHint(Point local, std::string& text);
    std::string FireGetCellHint(Point local) const;

private:
    void SetCount(TXLAxis axis, TXLPart part, int count);
    void ReadLists(ByteReader& reader);
    void ReadSections(ByteReader& reader);
    void ReadProperty(const std::string& name, const struct ComponentValue& value, size_t at, ReadProgress* progress);
    void ReadXLData(std::string_view bytes, size_t at, ReadProgress* progress);
    bool SectionPresent(TXLSector sector) const;
    TXLSizeList& StreamList(int bit);
    void SetDefaultSize(TXLAxis axis, int size);
    void SetMaxSize(TXLAxis axis, int size);
    void ApplySize(TXLAxis axis, int index, int size);
    // The part and position of a sheet index on an axis.
    std::pair<TXLPart, int> PartOf(int index, TXLAxis axis) const;
    int AutoSize(int index, TXLAxis axis);
    // Tells every user, in registration order; a user may unregister while being told, so a copy is walked.
    template <class Fn> void Notify(Fn fn)
    {
        const std::vector<IXLSheetUser*> users = m_users;
        for (IXLSheetUser* user : users)
            fn(user);
    }

    std::vector<IXLSheetUser*> m_users;
    SheetMemory m_memory;                               // before the sections: it outlives their rows and cells
    std::array<std::array<TXLSizeList, 2>, 2> m_sizes;  // [axis][part]
    std::array<std::array<TXLSizeList, 2>, 2> m_hidden; // remembered sizes of hidden items, 0 where shown
    std::array<std::unique_ptr<TXLSection>, 4> m_sections;
    std::unique_ptr<TXLBaseStyle> m_baseClient;
    std::unique_ptr<TXLBaseStyle> m_baseTitle;
    TXLStyler* m_styler = nullptr;
    std::array<int, 2> m_maxSize{0, 0};
    TXLGraphicData m_background;
    bool m_modified = false;
    int m_updateCount = 0;
    bool m_repaintPending = false;
    bool m_inCellChanged = false;
    bool m_destroying = false;
    std::string m_author;
    std::string m_title;
    Rect m_pageRect;
    std::array<int, 4> m_margins{0, 0, 0, 0};
    bool m_printGridLines = false;
    bool m_printHidden = false;
    TXLAxes m_printTitles = 0;
    TXLPrintMode m_printMode = pmNormal;
    int m_printScale = 100;
    std::vector<const TXLCell*> m_evaluationStack; // formula cells whose evaluation is running, innermost last
};

} // namespace qv
