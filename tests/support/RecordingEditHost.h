// An edit host for tests: it opens on any cell it is handed, as one with an editor for every class would, and
// records what the grid asks of it.
#pragma once

#include "grid/EditHost.h"
#include "grid/Pane.h"

#include <string>
#include <vector>

namespace qv::test {

struct RecordingEditHost final : IXLEditHost {
    explicit RecordingEditHost(TXLPane& pane) : pane(pane) {}

    bool Active() const override { return cell != nullptr; }
    const TXLPane* Pane() const override { return &pane; }
    void EditCell(const TXLPane* from, TXLCell* edited) override
    {
        if (from && from != &pane)
            return;
        calls.push_back(edited ? "edit" : "release");
        cell = edited;
    }
    void SetEditing(bool on) override
    {
        calls.push_back(on ? "editing on" : "editing off");
        if (on == Active())
            return;
        if (on)
            pane.PrepareEdit(pane.Current());
        else
            cell = nullptr;
    }
    void SetArrowMode(bool on) override
    {
        calls.push_back(on ? "arrows move the cell" : "arrows move the caret");
        arrowMode = on;
    }
    void CancelEdit() override
    {
        calls.push_back("cancel");
        cell = nullptr;
    }
    void StartWithKey(const TXLTypedInput& input) override { started.push_back(input); }
    void ForwardMessage(const TXLTypedInput& input) override { forwarded.push_back(input); }
    bool CellClicked(Point at, TXLShiftState) override
    {
        clicked.push_back(at);
        return takesClicks;
    }
    const TXLCell* EditedCell() const override { return cell; }
    void UpdateBounds() override { calls.push_back("bounds"); }
    void ApplyCellStyle() override { calls.push_back("style"); }
    void Edit3DChanged() override { calls.push_back("3-D"); }

    TXLPane& pane;
    TXLCell* cell = nullptr;
    bool arrowMode = false;
    bool takesClicks = false; // CellClicked's answer
    std::vector<std::string> calls;
    std::vector<TXLTypedInput> started;
    std::vector<TXLTypedInput> forwarded;
    std::vector<Point> clicked; // the cells CellClicked was offered
};

} // namespace qv::test
