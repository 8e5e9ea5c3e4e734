// A sheet user that records every notification, so tests assert kinds and order.
#pragma once

#include "sheet/Sheet.h"

#include <string>
#include <vector>

namespace qv::test {

class RecordingSheetUser : public IXLSheetUser {
public:
    explicit RecordingSheetUser(TXLSheet* sheet = nullptr) : m_sheet(sheet)
    {
        if (sheet)
            sheet->AddUser(this);
    }

    // Like a grid, a user leaves its sheet before it goes.
    ~RecordingSheetUser() override
    {
        if (m_sheet)
            m_sheet->RemoveUser(this);
    }
    RecordingSheetUser(const RecordingSheetUser&) = delete;
    RecordingSheetUser& operator=(const RecordingSheetUser&) = delete;

    std::vector<std::string> Events;

    // Events whose text starts with prefix.
    int Count(const std::string& prefix) const
    {
        int n = 0;
        for (const auto& e : Events)
            n += e.rfind(prefix, 0) == 0 ? 1 : 0;
        return n;
    }
    void Reset() { Events.clear(); }

    TXLSheet* GetSheet() override { return m_sheet; }
    void InvalidateCells(TXLSector sector, const Rect& r, int flag) override
    {
        Events.push_back("InvalidateCells " + std::to_string(sector) + " " + RectText(r) + " " + std::to_string(flag));
    }
    void InvalidateSector(TXLSector sector) override { Events.push_back("InvalidateSector " + std::to_string(sector)); }
    void InvalidateAll() override { Events.push_back("InvalidateAll"); }
    void PageChanged() override { Events.push_back("PageChanged"); }
    void SizesChanged(TXLAxes axes, TXLPart part) override
    {
        Events.push_back("SizesChanged " + std::to_string(axes) + " " + std::to_string(part));
    }
    void ItemsInserted(TXLAxis, TXLPart, int, int) override { Events.push_back("ItemsInserted"); }
    void SizeChanged(TXLAxis axis, TXLPart part, int index) override
    {
        Events.push_back("SizeChanged " + std::to_string(axis) + " " + std::to_string(part) + " " +
                         std::to_string(index));
    }
    void CellsChanged(TXLSector sector, const Rect* r) override
    {
        Events.push_back("CellsChanged " + std::to_string(sector) + " " + (r ? RectText(*r) : "nil"));
    }
    void SheetDetached() override
    {
        Events.push_back("SheetDetached");
        m_sheet = nullptr;
    }
    void CellRemoved(TXLCell&) override { Events.push_back("CellRemoved"); }
    void UnionsChanged(bool loaded) override { Events.push_back(std::string("UnionsChanged ") + (loaded ? "1" : "0")); }
    void BeginUpdate() override { Events.push_back("BeginUpdate"); }
    void EndUpdate() override { Events.push_back("EndUpdate"); }

    static std::string RectText(const Rect& r)
    {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
               std::to_string(r.bottom);
    }

private:
    TXLSheet* m_sheet;
};

} // namespace qv::test
