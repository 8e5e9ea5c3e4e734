// The sheets that exist, which the manager tells when the devices change.
#pragma once

#include <algorithm>
#include <vector>

namespace qv {

class TXLSheet;

// Not owning: a sheet adds itself when it is made and removes itself when it goes. Few sheets live at once, so
// removal is a linear search.
class TXLLiveSheets {
public:
    void Add(TXLSheet* sheet) { m_sheets.push_back(sheet); }
    void Remove(TXLSheet* sheet)
    {
        m_sheets.erase(std::remove(m_sheets.begin(), m_sheets.end(), sheet), m_sheets.end());
    }
    // In the order they were made.
    const std::vector<TXLSheet*>& All() const { return m_sheets; }

private:
    std::vector<TXLSheet*> m_sheets;
};

} // namespace qv
