// The sheet definition reader: a line-oriented notation turned into cells, sizes and layers.
#include "tools/template-compiler/TemplateDefinition.h"

#include "cells/CurrencyCell.h"
#include "cells/DoubleCell.h"
#include "cells/StringCell.h"
#include "platform/AsciiText.h"
#include "platform/Errors.h"

#include <charconv>
#include <functional>
#include <vector>

namespace qv {

namespace {

// U+E5E5, the in-memory form of the GBK indenting blank A3 A0.
constexpr std::string_view kIndent = "\xEE\x97\xA5";

struct Token {
    std::string Text;
    bool Quoted = false;
};

class LineError {
public:
    explicit LineError(std::string what) : What(std::move(what)) {}
    std::string What;
};

// Blank-separated words and double-quoted texts (with \" and \\ escapes); quoted blanks are kept.
std::vector<Token> Tokenize(std::string_view line)
{
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        Token token;
        if (line[i] == '"') {
            token.Quoted = true;
            for (++i;; ++i) {
                if (i >= line.size())
                    throw LineError("text without its closing quote");
                if (line[i] == '"')
                    break;
                if (line[i] == '\\' && i + 1 < line.size())
                    ++i;
                token.Text += line[i];
            }
            ++i;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t')
                token.Text += line[i++];
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

int ParseNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        throw LineError("'" + std::string(text) + "' is not a number");
    return value;
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos)
            return parts;
        start = at + 1;
    }
}

enum TIndexKind { ikClientOnly, ikTitleAllowed };

// "all", "title" (-1, where allowed), or a list of numbers and inclusive ranges, each inside [0, count).
std::vector<int> ParseIndexes(std::string_view text, int count, TIndexKind kind)
{
    std::vector<int> indexes;
    if (text == "all") {
        for (int i = 0; i < count; ++i)
            indexes.push_back(i);
        return indexes;
    }
    if (text == "title") {
        if (kind != ikTitleAllowed)
            throw LineError("'title' is not a client index");
        return {-1};
    }
    for (std::string_view part : Split(text, ',')) {
        const size_t dots = part.find("..");
        const int first = ParseNumber(part.substr(0, dots));
        const int last = dots == std::string_view::npos ? first : ParseNumber(part.substr(dots + 2));
        if (first < 0 || last < first || last >= count)
            throw LineError("'" + std::string(part) + "' lies outside 0.." + std::to_string(count - 1));
        for (int i = first; i <= last; ++i)
            indexes.push_back(i);
    }
    return indexes;
}

TColor ParseColour(std::string_view text)
{
    if (text == "red")
        return clRed;
    if (text == "none")
        return clNone;
    if (text == "window")
        return clWindow;
    const std::vector<std::string_view> parts = Split(text, ',');
    if (parts.size() != 3)
        throw LineError("'" + std::string(text) + "' is not a colour");
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
        rgb[i] = ParseNumber(parts[i]);
        if (rgb[i] < 0 || rgb[i] > 255)
            throw LineError("colour part " + std::string(parts[i]) + " lies outside 0..255");
    }
    return RgbColor(rgb[0], rgb[1], rgb[2]);
}

template <class T> T Choose(std::string_view text, std::initializer_list<std::pair<std::string_view, T>> choices)
{
    for (const auto& [name, value] : choices)
        if (name == text)
            return value;
    throw LineError("unknown word '" + std::string(text) + "'");
}

class DefinitionReader {
public:
    DefinitionReader() { m_result.Sheet = std::make_unique<TXLSheet>(); }

    void Line(const std::vector<Token>& tokens)
    {
        if (m_namesColumn >= 0)
            return NamesLine(tokens);
        using Run = void (DefinitionReader::*)(const std::vector<Token>&);
        struct Directive {
            std::string_view Name;
            size_t Arguments; // 0: any number
            Run Action;
        };
        static constexpr Directive kDirectives[] = {{"sheet", 2, &DefinitionReader::SheetLine},
                                                    {"counts", 2, &DefinitionReader::CountsLine},
                                                    {"width", 0, &DefinitionReader::WidthLine},
                                                    {"height", 0, &DefinitionReader::HeightLine},
                                                    {"names", 1, &DefinitionReader::NamesStart},
                                                    {"cells", 4, &DefinitionReader::CellsLine},
                                                    {"text", 3, &DefinitionReader::TextLine},
                                                    {"layout", 5, &DefinitionReader::LayoutLine},
                                                    {"readonly", 2, &DefinitionReader::ReadOnlyLine},
                                                    {"background", 3, &DefinitionReader::BackgroundLine},
                                                    {"font-colour", 3, &DefinitionReader::FontColourLine}};
        const std::string& name = Word(tokens, 0);
        for (const Directive& directive : kDirectives) {
            if (directive.Name != name)
                continue;
            if (directive.Arguments != 0 && tokens.size() != directive.Arguments + 1)
                throw LineError("'" + name + "' takes " + std::to_string(directive.Arguments) + " arguments");
            // Coordinates are checked against the counts, so they come first.
            if (!m_counted && name != "sheet" && name != "counts")
                throw LineError("'" + name + "' before 'counts'");
            return (this->*directive.Action)(tokens);
        }
        throw LineError("unknown directive '" + name + "'");
    }

    TemplateDefinition Finish()
    {
        if (m_namesColumn >= 0)
            throw LineError("'names' without its 'end'");
        if (m_result.Name.empty())
            throw LineError("no 'sheet' directive");
        return std::move(m_result);
    }

private:
    static const std::string& Word(const std::vector<Token>& tokens, size_t at)
    {
        if (at >= tokens.size() || tokens[at].Quoted)
            throw LineError("a word is missing");
        return tokens[at].Text;
    }
    static const std::string& Text(const std::vector<Token>& tokens, size_t at)
    {
        if (at >= tokens.size() || !tokens[at].Quoted)
            throw LineError("a quoted text is missing");
        return tokens[at].Text;
    }
    TXLSheet& Target() { return *m_result.Sheet; }
    TXLSection& Client() { return Target().Section(sClient); }

    std::vector<int> Indexes(const std::vector<Token>& tokens, size_t at, TXLAxis axis, TIndexKind kind = ikClientOnly)
    {
        return ParseIndexes(Word(tokens, at), axis == axCols ? Target().ColCount() : Target().RowCount(), kind);
    }
    std::vector<Point> Points(const std::vector<Token>& tokens)
    {
        std::vector<Point> points;
        const std::vector<int> cols = Indexes(tokens, 1, axCols);
        for (int row : Indexes(tokens, 2, axRows))
            for (int col : cols)
                points.push_back({col, row});
        return points;
    }

    void SheetLine(const std::vector<Token>& tokens)
    {
        m_result.Name = Word(tokens, 1);
        m_result.Sheet->Name = m_result.Name;
        if (Word(tokens, 2) != "-")
            m_result.FileName = Word(tokens, 2);
    }
    void CountsLine(const std::vector<Token>& tokens)
    {
        const int cols = ParseNumber(Word(tokens, 1));
        const int rows = ParseNumber(Word(tokens, 2));
        if (cols < 1 || rows < 1)
            throw LineError("counts must be positive");
        Target().SetColCount(cols);
        Target().SetRowCount(rows);
        m_counted = true;
    }
    void WidthLine(const std::vector<Token>& tokens) { Sizes(tokens, axCols); }
    void HeightLine(const std::vector<Token>& tokens) { Sizes(tokens, axRows); }
    void Sizes(const std::vector<Token>& tokens, TXLAxis axis)
    {
        const std::vector<int> indexes = Indexes(tokens, 1, axis, ikTitleAllowed);
        const size_t given = tokens.size() < 3 ? 0 : tokens.size() - 2;
        if (given != 1 && given != indexes.size())
            throw LineError(std::to_string(indexes.size()) + " sizes expected, " + std::to_string(given) + " given");
        for (size_t i = 0; i < indexes.size(); ++i)
            Target().SetSize(indexes[i], axis, ParseNumber(Word(tokens, 2 + (given == 1 ? 0 : i))));
    }
    void NamesStart(const std::vector<Token>& tokens) { m_namesColumn = Indexes(tokens, 1, axCols).at(0); }
    void CellsLine(const std::vector<Token>& tokens)
    {
        const TXLCellClass* cls = Choose<const TXLCellClass*>(
            Word(tokens, 3), {{"currency", &TXLCCurrency::Class()}, {"double", &TXLCDouble::Class()}});
        const std::string& format = Text(tokens, 4);
        for (Point p : Points(tokens))
            Client().ReplaceCell(p, cls).SetFormat(format);
    }
    void TextLine(const std::vector<Token>& tokens)
    {
        const std::string& text = Text(tokens, 3);
        for (Point p : Points(tokens))
            Client().ReplaceCell(p, &TXLCString::Class()).SetAsString(text);
    }
    void LayoutLine(const std::vector<Token>& tokens)
    {
        TXLLayout layout;
        layout.HorzAlign =
            Choose<TXLHorzAlign>(Word(tokens, 3), {{"left", haLeft}, {"right", haRight}, {"centre", haCenter}});
        layout.VertAlign =
            Choose<TXLVertAlign>(Word(tokens, 4), {{"top", vaTop}, {"bottom", vaBottom}, {"centre", vaCenter}});
        layout.WrapMode =
            Choose<TXLWrapMode>(Word(tokens, 5), {{"clip", wmClip}, {"ellipsis", wmEllipsis}, {"wrap", wmWrapWords}});
        for (Point p : Points(tokens))
            SetLayer(p, kLayerLayout, PackLayout(layout));
    }
    void ReadOnlyLine(const std::vector<Token>& tokens)
    {
        // Joins the style bits already there.
        for (Point p : Points(tokens))
            SetLayer(p, kLayerStyles, Client().GetLayerValue(kLayerStyles, p.x, p.y) | CellStyleBit(csReadOnly));
    }
    void BackgroundLine(const std::vector<Token>& tokens)
    {
        const TColor colour = ParseColour(Word(tokens, 3));
        for (Point p : Points(tokens))
            SetLayer(p, kLayerColor, colour);
    }
    void FontColourLine(const std::vector<Token>& tokens)
    {
        const TColor colour = ParseColour(Word(tokens, 3));
        for (Point p : Points(tokens)) {
            TXLCell* cell = Client().FindCell(p);
            if (!cell)
                throw LineError("no cell at " + std::to_string(p.x) + ", " + std::to_string(p.y));
            cell->Font().SetColor(colour);
        }
    }
    void SetLayer(Point p, TXLLayerId layer, int32_t value)
    {
        Client().SetLayerArea(layer, {p.x, p.y, p.x + 1, p.y + 1}, value);
    }
    void NamesLine(const std::vector<Token>& tokens)
    {
        if (tokens.size() == 1 && !tokens[0].Quoted && tokens[0].Text == "end") {
            m_namesColumn = -1;
            return;
        }
        const int row = ParseIndexes(Word(tokens, 0), Target().RowCount(), ikClientOnly).at(0);
        std::string text = Text(tokens, 1);
        std::function<void(TXLCell&)> font;
        for (size_t i = 2; i < tokens.size(); ++i) {
            const std::string& mark = Word(tokens, i);
            if (mark == "indent")
                text.insert(0, kIndent);
            else if (mark == "red")
                font = [](TXLCell& cell) { cell.Font().SetColor(clRed); };
            else if (mark == "font-colour-none")
                font = [](TXLCell& cell) { cell.Font().SetColor(clNone); };
            else
                throw LineError("unknown mark '" + mark + "'");
        }
        TXLCell& cell = Client().ReplaceCell({m_namesColumn, row}, &TXLCString::Class());
        cell.SetAsString(text);
        if (font)
            font(cell);
    }

    TemplateDefinition m_result;
    bool m_counted = false;
    int m_namesColumn = -1; // inside a names block: its column
};

} // namespace

TemplateDefinition ReadTemplateDefinition(std::string_view text, const std::string& source)
{
    DefinitionReader reader;
    int number = 0;
    try {
        for (std::string_view line : Split(text, '\n')) {
            ++number;
            line = TrimSpace(line);
            if (line.empty() || line.front() == '#')
                continue;
            reader.Line(Tokenize(line));
        }
        return reader.Finish();
    } catch (const LineError& e) {
        throw EPlatformError(source + ":" + std::to_string(number) + ": " + e.What);
    }
}

} // namespace qv
