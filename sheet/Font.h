// A cell's or style's font: the canvas font description, telling its owner of every change.
#pragma once

#include "platform/Canvas.h"

#include <functional>

namespace qv {

class TXLFont {
public:
    // changed is called after every change that alters the font.
    explicit TXLFont(std::function<void()> changed) : m_changed(std::move(changed)) {}

    const TXLFontData& Data() const { return m_data; }
    const std::string& Name() const { return m_data.Name; }
    int Charset() const { return m_data.Charset; }
    TFontStyles Style() const { return m_data.Style; }
    int Height() const { return m_data.Height; }
    TColor Color() const { return m_data.Color; }

    void SetName(const std::string& name)
    {
        Update([&](TXLFontData& s) { s.Name = name; });
    }
    void SetCharset(int charset)
    {
        Update([&](TXLFontData& s) { s.Charset = charset; });
    }
    void SetStyle(TFontStyles style)
    {
        Update([&](TXLFontData& s) { s.Style = style; });
    }
    void SetHeight(int height)
    {
        Update([&](TXLFontData& s) { s.Height = height; });
    }
    void SetColor(TColor color)
    {
        Update([&](TXLFontData& s) { s.Color = color; });
    }
    void Assign(const TXLFontData& spec)
    {
        Update([&](TXLFontData& s) { s = spec; });
    }
    // Sets the description without telling the owner (filling a new font from its provider).
    void AssignSilently(const TXLFontData& spec) { m_data = spec; }

    // Font members in which two fonts differ (kFontBold ... kFontCharset).
    static int DifferentMembers(const TXLFontData& a, const TXLFontData& b);
    // Copies the given members of source into target.
    static void CopyMembers(TXLFontData& target, const TXLFontData& source, int members);

private:
    template <typename Fn> void Update(Fn change)
    {
        TXLFontData next = m_data;
        change(next);
        if (next == m_data)
            return;
        m_data = next;
        if (m_changed)
            m_changed();
    }

    TXLFontData m_data;
    std::function<void()> m_changed;
};

} // namespace qv
