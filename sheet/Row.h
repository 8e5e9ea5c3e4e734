// A row of a section: its cells by column, owned.
#pragma once

#include "sheet/Cell.h"
#include "sheet/ObjectSList.h"

namespace qv {

class TXLSection;

class TXLRow : public TObjectSList<TXLCell> {
public:
    explicit TXLRow(std::pmr::memory_resource* memory = std::pmr::new_delete_resource()) : TObjectSList(memory) {}
    // Frees the cells while the row still counts as alive to them (index -1: no per-cell unregistering).
    ~TXLRow() override { Clear(); }

    // -1 while the row is being cleared.
    int Index() const { return m_index; }
    TXLSection* Section() const { return m_section; }
    void Attach(TXLSection* section, int index)
    {
        m_section = section;
        m_index = index;
    }
    void SetIndex(int index) { m_index = index; }

    // Stores the cell at the column and tells it where it lives.
    TXLCell& PutCell(int col, std::unique_ptr<TXLCell> cell);
    // Frees every cell; the cells do not repaint one by one.
    void Clear() override;

protected:
    void ItemsMoved(int first, int last) override;

private:
    TXLSection* m_section = nullptr;
    int m_index = 0;
};

} // namespace qv
