// Whole-sheet files: the sheet's published properties and its XLData in a component stream.
#include "platform/AtomicFile.h"
#include "platform/ComponentStream.h"
#include "platform/Errors.h"
#include "platform/GraphicStream.h"
#include "platform/MappedFile.h"
#include "platform/TextCodec.h"
#include "sheet/GridError.h"
#include "sheet/Sheet.h"

namespace qv {

namespace {

constexpr const char* kMarginNames[] = {"PrintMarginLeft", "PrintMarginTop", "PrintMarginRight", "PrintMarginBottom"};

std::vector<std::string> AxisNames(TXLAxes axes)
{
    std::vector<std::string> names;
    if (axes & AxisBit(axCols))
        names.emplace_back("sCols");
    if (axes & AxisBit(axRows))
        names.emplace_back("sRows");
    return names;
}

[[noreturn]] void Damaged(const std::string& what, size_t at)
{
    throw EXLStreamError("Damaged stream: " + what + " at byte offset " + std::to_string(at));
}

TXLAxes ReadAxes(const std::vector<std::string>& members, size_t at)
{
    TXLAxes axes = 0;
    for (const std::string& member : members) {
        if (member == "sCols")
            axes |= AxisBit(axCols);
        else if (member == "sRows")
            axes |= AxisBit(axRows);
        else
            Damaged("unknown axis " + member, at);
    }
    return axes;
}

// A graphic as a property value, in the picture's stream form.
std::string EncodeGraphicData(const TXLGraphicData& graphic)
{
    ByteWriter writer;
    WriteGraphic(writer, graphic);
    return writer.Take();
}

TXLGraphicData DecodeGraphicData(std::string_view bytes, size_t at)
{
    ByteReader reader(bytes);
    try {
        return ReadGraphic(reader);
    } catch (const EReadError&) {
        Damaged("background picture", at);
    }
}

int32_t IntegerOf(const ComponentValue& v, const std::string& name, size_t at)
{
    if (!v.IsInteger())
        Damaged("property " + name + " is not an integer", at);
    return v.Integer;
}

// A count the sheet cannot hold is damage; a negative one is left to the setter, which makes it 0.
int32_t CountOf(const ComponentValue& v, const std::string& name, size_t at)
{
    const int32_t count = IntegerOf(v, name, at);
    if (count > kMaxCount)
        Damaged("property " + name + " " + std::to_string(count) + " beyond the largest count " +
                    std::to_string(kMaxCount),
                at);
    return count;
}

bool BooleanOf(const ComponentValue& v, const std::string& name, size_t at)
{
    if (!v.IsBoolean())
        Damaged("property " + name + " is not a Boolean", at);
    return v.Boolean;
}

std::string StringOf(const ComponentValue& v, const std::string& name, size_t at)
{
    if (!v.IsString())
        Damaged("property " + name + " is not a string", at);
    return GbkToUtf8(v.Text);
}

} // namespace

void TXLSheet::SaveToStream(ByteWriter& writer)
{
    // A writer passing bytes on to a file may fail half-way.
    const UpdateScope update(*this);
    ComponentWriter out(writer);
    out.BeginObject("TXLSheet", Name);
    if (Tag != 0)
        out.WriteInteger("Tag", Tag);
    if (!m_author.empty())
        out.WriteString("Author", Utf8ToGbk(m_author));
    if (!m_title.empty())
        out.WriteString("Title", Utf8ToGbk(m_title));
    for (TXLSide side : {sLeft, sTop, sRight, sBottom})
        out.WriteInteger(kMarginNames[side], m_margins[side]);
    out.WriteIdent("PrintMode", m_printMode == pmNormal ? "pmNormal" : "pmCustom");
    out.WriteInteger("PrintScale", m_printScale);
    out.WriteBoolean("PrintHidden", m_printHidden);
    out.WriteSet("PrintTitles", AxisNames(m_printTitles));
    out.WriteBoolean("PrintGridLines", m_printGridLines);
    if (m_styler)
        out.WriteIdent("Styler", m_styler->Name);
    out.WriteInteger("ColCount", ColCount());
    out.WriteInteger("ColDefWidth", ColDefWidth());
    out.WriteInteger("ColMaxWidth", ColMaxWidth());
    out.WriteInteger("RowCount", RowCount());
    out.WriteInteger("RowDefHeight", RowDefHeight());
    out.WriteInteger("RowMaxHeight", RowMaxHeight());
    out.WriteInteger("TitleCols", TitleCols());
    out.WriteInteger("TitleRows", TitleRows());
    if (!m_background.ClassName.empty())
        out.WriteBinary("Background.Data", EncodeGraphicData(m_background));
    out.WriteBoolean("ReadOnly", ReadOnly);
    const size_t data = out.BeginBinary("XLData");
    WriteData(writer);
    out.EndBinary(data);
    out.EndObject();
}

void TXLSheet::ReadProperty(const std::string& name, const ComponentValue& v, size_t at, ReadProgress* progress)
{
    for (TXLSide side : {sLeft, sTop, sRight, sBottom})
        if (name == kMarginNames[side])
            return SetPrintMargin(side, IntegerOf(v, name, at));
    using Setter = void (TXLSheet::*)(int);
    const std::pair<const char*, Setter> counts[] = {{"ColCount", &TXLSheet::SetColCount},
                                                     {"RowCount", &TXLSheet::SetRowCount},
                                                     {"TitleCols", &TXLSheet::SetTitleCols},
                                                     {"TitleRows", &TXLSheet::SetTitleRows}};
    for (const auto& [property, setter] : counts)
        if (name == property)
            return (this->*setter)(CountOf(v, name, at));
    const std::pair<const char*, Setter> integers[] = {{"PrintScale", &TXLSheet::SetPrintScale},
                                                       {"ColDefWidth", &TXLSheet::SetColDefWidth},
                                                       {"ColMaxWidth", &TXLSheet::SetColMaxWidth},
                                                       {"RowDefHeight", &TXLSheet::SetRowDefHeight},
                                                       {"RowMaxHeight", &TXLSheet::SetRowMaxHeight}};
    for (const auto& [property, setter] : integers)
        if (name == property)
            return (this->*setter)(IntegerOf(v, name, at));
    if (name == "Tag")
        Tag = IntegerOf(v, name, at);
    else if (name == "Left" || name == "Top")
        IntegerOf(v, name, at); // a designer position; nothing here uses it
    else if (name == "Author")
        SetAuthor(StringOf(v, name, at));
    else if (name == "Title")
        SetTitle(StringOf(v, name, at));
    else if (name == "PrintHidden")
        SetPrintHidden(BooleanOf(v, name, at));
    else if (name == "PrintGridLines")
        SetPrintGridLines(BooleanOf(v, name, at));
    else if (name == "ReadOnly")
        ReadOnly = BooleanOf(v, name, at);
    else if (name == "PrintMode" && v.Type == ValueType::Ident && (v.Text == "pmNormal" || v.Text == "pmCustom"))
        SetPrintMode(v.Text == "pmNormal" ? pmNormal : pmCustom);
    else if (name == "PrintTitles" && v.Type == ValueType::Set)
        SetPrintTitles(ReadAxes(v.Members, at));
    else if (name == "Styler" && v.Type == ValueType::Ident)
        return; // stylers are attached by the program, not by name
    else if (name.rfind("On", 0) == 0 && v.Type == ValueType::Ident)
        return; // event handlers are the program's, not the file's
    else if (name == "Background.Data" && v.Type == ValueType::Binary)
        SetBackground(DecodeGraphicData(v.Text, at));
    else if (name == "XLData" && v.Type == ValueType::Binary)
        ReadXLData(v.Text, at, progress);
    else
        Damaged("unknown property " + name + " or value of the wrong type", at);
}

void TXLSheet::LoadFromStream(ByteReader& reader)
{
    const UpdateScope update(*this);
    try {
        ComponentReader in(reader);
        std::string className;
        Name = in.BeginObject(className);
        for (std::string name; in.NextProperty(name);) {
            const size_t at = in.Offset();
            ReadProperty(name, in.ReadValue(), at, reader.Progress());
        }
        in.EndObject();
    } catch (const EReadError& e) {
        throw EXLStreamError(e.Message());
    }
    AfterLoad();
}

void TXLSheet::ReadXLData(std::string_view bytes, size_t at, ReadProgress* progress)
{
    ByteReader data(bytes);
    data.SetProgress(progress);
    try {
        ReadData(data);
    } catch (const EXLStreamError& e) {
        // Offsets inside XLData count from the file's start.
        throw EXLStreamError(e.Message() + " (XLData starts at byte offset " + std::to_string(at + 5) + ")");
    }
}

void TXLSheet::SaveToFile(const std::string& path)
{
    // The stream goes to the file a megabyte at a time: a large sheet is never held in memory twice.
    AtomicFile file(path);
    ByteWriter writer(file, size_t{1} << 20);
    SaveToStream(writer);
    writer.Flush();
    file.Commit();
}

void TXLSheet::LoadFromFile(const std::string& path)
{
    MappedFile file(path);
    ByteReader reader(file.Bytes());
    reader.SetProgress(&file);
    LoadFromStream(reader);
}

} // namespace qv
