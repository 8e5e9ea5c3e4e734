// The JSON shape of a sheet: properties, base styles, sizes, sections with their layers, and cells.
#include "SheetJson.h"

#include "platform/DateTime.h"
#include "platform/Locale.h"
#include "sheet/Sheet.h"
#include "tools/common/JsonWriter.h"

#include <cmath>
#include <cstdio>

namespace qv {

namespace {

constexpr const char* kSectorNames[] = {"sCols", "sRows", "sTitle", "sClient"};
constexpr const char* kPropNames[] = {"prBasedOn", "prControl", "prLayout", "prColor", "prFont",
                                      "prBorder",  "prFrame",   "prStyles", "prValue", "prHint"};
constexpr const char* kLayerNames[] = {"verticalLines", "horizontalLines", "bias1",  "bias2",
                                       "color",         "frame",           "styles", "layout"};

void Props(JsonWriter& j, TXLProps props)
{
    j.BeginArray();
    for (int g = 0; g < kPropCount; ++g)
        if (props & (1u << g))
            j.String(kPropNames[g]);
    j.EndArray();
}

void Font(JsonWriter& j, const TXLFontData& f)
{
    j.BeginObject();
    j.Key("name").String(f.Name);
    j.Key("charset").Number(static_cast<long long>(f.Charset));
    j.Key("style").Number(static_cast<long long>(f.Style));
    j.Key("height").Number(static_cast<long long>(f.Height));
    j.Key("color").Number(static_cast<long long>(f.Color));
    j.EndObject();
}

void Layout(JsonWriter& j, const TXLLayout& l)
{
    j.BeginObject();
    j.Key("horzAlign").Number(static_cast<long long>(l.HorzAlign));
    j.Key("vertAlign").Number(static_cast<long long>(l.VertAlign));
    j.Key("indent").Number(static_cast<long long>(l.Indent));
    j.Key("wrapMode").Number(static_cast<long long>(l.WrapMode));
    j.EndObject();
}

void BaseStyle(JsonWriter& j, TXLBaseStyle& s)
{
    j.BeginObject();
    j.Key("props");
    Props(j, s.Props());
    j.Key("font");
    Font(j, s.Font().Data());
    j.Key("class").String(s.GetCellClass() ? s.GetCellClass()->Name : "");
    j.Key("editor").Number(static_cast<long long>(s.Editor()));
    j.Key("format").String(s.Format());
    j.Key("sides").BeginArray();
    for (int side = 0; side < 8; ++side) {
        bool uniform = true;
        j.Number(static_cast<long long>(s.GetAttr(side, uniform)));
    }
    j.EndArray();
    j.Key("color").Number(static_cast<long long>(s.Color()));
    j.Key("frame").Number(static_cast<long long>(s.Frame()));
    j.Key("styles").Number(static_cast<long long>(s.Styles()));
    j.Key("layout");
    Layout(j, s.Layout());
    j.Key("errorColor").Number(static_cast<long long>(s.ErrorColor()));
    j.Key("linesColor").Number(static_cast<long long>(s.LinesColor()));
    j.EndObject();
}

std::string IsoText(TDateTime value)
{
    const DateParts d = DecodeDate(value);
    const TimeParts t = DecodeTime(value);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d.%03d", d.Year, d.Month, d.Day, t.Hour, t.Minute,
                  t.Second, t.Millisecond);
    return buf;
}

void Value(JsonWriter& j, const Variant& v)
{
    switch (v.Kind()) {
    case VarKind::Integer:
        j.Number(static_cast<long long>(v.AsInteger()));
        break;
    case VarKind::Double:
        j.Number(v.AsDouble());
        break;
    case VarKind::Currency:
        j.String(CurrToStrFixed(v.AsCurrency(), Locale::ChinaDefault()));
        break;
    case VarKind::DateTime:
        j.BeginObject().Key("double").Number(v.AsDateTime()).Key("iso");
        // A non-finite day count names no date.
        if (std::isfinite(v.AsDateTime()))
            j.String(IsoText(v.AsDateTime()));
        else
            j.Null();
        j.EndObject();
        break;
    case VarKind::Boolean:
        j.Boolean(v.AsBoolean());
        break;
    case VarKind::String:
        j.String(v.AsString());
        break;
    default:
        j.Null();
    }
}

void Sizes(JsonWriter& j, const TXLSheet& sheet, TXLAxis axis)
{
    j.BeginObject();
    j.Key("default").Number(static_cast<long long>(sheet.Sizes(axis, ptClient).Default()));
    j.Key("titleCount").Number(static_cast<long long>(sheet.Sizes(axis, ptTitles).Count()));
    j.Key("count").Number(static_cast<long long>(sheet.Sizes(axis, ptClient).Count()));
    const int titles = sheet.Sizes(axis, ptTitles).Count();
    for (const auto& [key, hidden] : {std::pair{"explicit", false}, std::pair{"hidden", true}}) {
        j.Key(key).BeginArray();
        for (TXLPart part : {ptTitles, ptClient}) {
            const TXLSizeList& list = hidden ? sheet.HiddenSizes(axis, part) : sheet.Sizes(axis, part);
            list.ForEach([&](int index, int32_t) {
                j.BeginArray()
                    .Number(static_cast<long long>(part == ptTitles ? index - titles : index))
                    .Number(static_cast<long long>(list.GetValue(index)))
                    .EndArray();
            });
        }
        j.EndArray();
    }
    j.EndObject();
}

template <class Layer> void LayerEntries(JsonWriter& j, const Layer& layer)
{
    j.BeginArray();
    layer.ForEach([&](int outer, const auto* list) {
        list->ForEach([&](int inner, int32_t raw) {
            j.BeginArray().Number(static_cast<long long>(outer)).Number(static_cast<long long>(inner));
            if constexpr (std::is_same_v<Layer, TXLLayer>)
                j.Number(static_cast<long long>(list->GetValue(inner)));
            else
                j.Number(static_cast<long long>(raw));
            j.EndArray();
        });
    });
    j.EndArray();
}

void Section(JsonWriter& j, TXLSection& section)
{
    j.BeginObject();
    j.Key("sector").String(kSectorNames[section.Sector()]);
    j.Key("unions").BeginArray();
    for (const auto& range : section.Unions()) {
        const Rect& r = range->GetRect();
        j.BeginArray();
        for (int v : {r.left, r.top, r.right, r.bottom})
            j.Number(static_cast<long long>(v));
        j.EndArray();
    }
    j.EndArray();
    j.Key("layers").BeginObject();
    for (TXLLayerId layer : kLayers) {
        j.Key(kLayerNames[layer]);
        if (layer < kLayerBias1)
            LayerEntries(j, section.LineLayer(layer));
        else
            LayerEntries(j, section.AttrLayer(layer));
    }
    j.EndObject();
    j.EndObject();
}

void Cell(JsonWriter& j, TXLCell& cell)
{
    TXLSection& section = *cell.GetSection();
    const Point local{cell.Col(), cell.Row()->Index()};
    const Point global = section.ToSheet(local);
    j.BeginObject();
    j.Key("sector").String(kSectorNames[section.Sector()]);
    j.Key("local")
        .BeginArray()
        .Number(static_cast<long long>(local.x))
        .Number(static_cast<long long>(local.y))
        .EndArray();
    j.Key("sheet")
        .BeginArray()
        .Number(static_cast<long long>(global.x))
        .Number(static_cast<long long>(global.y))
        .EndArray();
    j.Key("class").String(cell.GetCellClass()->Name);
    j.Key("props");
    Props(j, cell.Props());
    j.Key("value");
    Value(j, cell.GetValue());
    j.Key("text").String(cell.GetDisplayText());
    j.Key("format").String(cell.Format());
    j.Key("editor").Number(static_cast<long long>(cell.Editor()));
    j.Key("font");
    if (cell.Holds(prFont))
        Font(j, cell.Font().Data());
    else
        j.Null();
    j.Key("hint").String(cell.Hint());
    j.Key("style");
    if (cell.GetBasedOn())
        j.Number(static_cast<long long>(cell.GetBasedOn()->Index()));
    else
        j.Null();
    j.EndObject();
}

void Properties(JsonWriter& j, const TXLSheet& s)
{
    j.BeginObject();
    j.Key("Tag").Number(static_cast<long long>(s.Tag));
    j.Key("Author").String(s.Author());
    j.Key("Title").String(s.Title());
    j.Key("PrintMarginLeft").Number(static_cast<long long>(s.PrintMargin(sLeft)));
    j.Key("PrintMarginTop").Number(static_cast<long long>(s.PrintMargin(sTop)));
    j.Key("PrintMarginRight").Number(static_cast<long long>(s.PrintMargin(sRight)));
    j.Key("PrintMarginBottom").Number(static_cast<long long>(s.PrintMargin(sBottom)));
    j.Key("PrintMode").String(s.PrintMode() == pmNormal ? "pmNormal" : "pmCustom");
    j.Key("PrintScale").Number(static_cast<long long>(s.PrintScale()));
    j.Key("PrintHidden").Boolean(s.PrintHidden());
    j.Key("PrintTitles").BeginArray();
    if (s.PrintTitles() & AxisBit(axCols))
        j.String("sCols");
    if (s.PrintTitles() & AxisBit(axRows))
        j.String("sRows");
    j.EndArray();
    j.Key("PrintGridLines").Boolean(s.PrintGridLines());
    j.Key("ColCount").Number(static_cast<long long>(s.ColCount()));
    j.Key("ColDefWidth").Number(static_cast<long long>(s.ColDefWidth()));
    j.Key("ColMaxWidth").Number(static_cast<long long>(s.ColMaxWidth()));
    j.Key("RowCount").Number(static_cast<long long>(s.RowCount()));
    j.Key("RowDefHeight").Number(static_cast<long long>(s.RowDefHeight()));
    j.Key("RowMaxHeight").Number(static_cast<long long>(s.RowMaxHeight()));
    j.Key("TitleCols").Number(static_cast<long long>(s.TitleCols()));
    j.Key("TitleRows").Number(static_cast<long long>(s.TitleRows()));
    j.Key("Background").String(s.Background().ClassName);
    j.Key("ReadOnly").Boolean(s.ReadOnly);
    j.EndObject();
}

} // namespace

void WriteSheetJson(TXLSheet& sheet, OutputStream& out)
{
    JsonWriter j(out);
    j.BeginObject();
    j.Key("name").String(sheet.Name);
    j.Key("properties");
    Properties(j, sheet);
    j.Key("baseStyles").BeginObject();
    j.Key("client");
    BaseStyle(j, sheet.BaseClientStyle());
    j.Key("title");
    BaseStyle(j, sheet.BaseTitleStyle());
    j.EndObject();
    j.Key("sizes").BeginObject();
    j.Key("columns");
    Sizes(j, sheet, axCols);
    j.Key("rows");
    Sizes(j, sheet, axRows);
    j.EndObject();
    j.Key("sections").BeginArray();
    for (TXLSector sector : {sCols, sRows, sTitle, sClient})
        Section(j, sheet.Section(sector));
    j.EndArray();
    j.Key("cells").BeginArray();
    // Every stored cell, also those beyond the counts.
    const Rect everything{0, 0, kMaxSListIndex + 1, kMaxSListIndex + 1};
    for (TXLSector sector : {sCols, sRows, sTitle, sClient})
        sheet.Section(sector).ForEachCell(everything, TXLCellWalk::Existing, [&](TXLCell& c) {
            Cell(j, c);
            return true;
        });
    j.EndArray();
    j.EndObject();
}

} // namespace qv
