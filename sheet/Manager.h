// The library-wide manager: the registries of cell classes, editors, format presets and formula functions, and the
// holder of the engine's other shared state.
#pragma once

#include "platform/Variant.h"
#include "sheet/CellClass.h"
#include "sheet/Desktop.h"
#include "sheet/Devices.h"
#include "sheet/FormatTable.h"
#include "sheet/LiveSheets.h"

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace qv {

class TXLSheet;

// A formula function: sender is the sheet of the evaluation (may be null), params the evaluated arguments
// (1 to 10 from a formula), result the value it answers.
using TXLFunctionProc = std::function<void(TXLSheet* sender, std::span<const Variant> params, Variant& result)>;

class TXLManager {
public:
    TXLManager();
    ~TXLManager();
    TXLManager(const TXLManager&) = delete;
    TXLManager& operator=(const TXLManager&) = delete;

    // The class's index; a new class is appended with an empty editor list and the given format presets.
    int RegisterCellClass(const TXLCellClass& cls, std::vector<std::string> formats = {});
    // For each cell class (registered if needed) appends the editor classes not yet in its list, in order.
    void RegisterEditors(const std::vector<const TXLCellClass*>& cellClasses,
                         const std::vector<const TXLEditorClass*>& editorClasses);
    int CellClassCount() const { return static_cast<int>(m_classes.size()); }
    const TXLCellClass* CellClasses(int index) const;
    int IndexOfCellClass(const TXLCellClass* cls) const; // -1 when unregistered
    // The first registered class with this class number; nullptr for none (and for 0).
    const TXLCellClass* CellClassByID(int32_t id) const;
    int EditorCount(const TXLCellClass* cls) const;
    const TXLEditorClass* EditorClass(const TXLCellClass* cls, int index) const;
    // The class's format presets; nullptr for an unregistered class.
    const std::vector<std::string>* CellFormats(const TXLCellClass* cls) const;

    // The index of an interned format among the class's presets, compared without regard to letter case; -1 when
    // it is none of them. Remembered, since every cell of a saved sheet asks.
    int PresetIndex(const TXLCellClass* cls, const std::string* format)
    {
        if (cls != m_lastPreset.cls || format != m_lastPreset.format) {
            m_lastPreset = {cls, format};
            m_lastPresetIndex = FindPresetIndex(cls, format);
        }
        return m_lastPresetIndex;
    }

    // The interned format texts of every cell and style.
    TXLFormatTable& Formats() { return m_formats; }

    // The locale and the shell.
    TXLDesktop& Desktop() { return m_desktop; }
    const TXLDesktop& Desktop() const { return m_desktop; }
    // The measuring canvas and the printer page.
    const TXLDevices& Devices() const { return m_devices; }
    // Installs the canvas on which sheets measure text and lets every sheet recompute its page.
    void SetMeasureCanvas(std::unique_ptr<TXLCanvas> canvas);
    // Re-reads the printer metrics and lets every sheet recompute its page.
    void UpdatePageSize();

    // The function table of formulas, keyed by upper-case name; it starts with the six conversion functions
    // STRING, INTEGER, BOOLEAN, CURRENCY, DATETIME and DOUBLE. The name is upper-cased (ASCII letters, the only
    // ones a formula name holds); a name already present raises EXLGridError "String list does not allow
    // duplicates".
    void RegisterFunction(const std::string& name, TXLFunctionProc proc);
    bool HasFunction(const std::string& name) const;
    // Resolves a function for a formula, name upper-cased: the table first (resolved whatever the procedure
    // answers), then, with a sheet, its OnFunction and DoFunction; those resolve by leaving result not Null.
    bool CallFunction(TXLSheet* sheet, const std::string& name, Variant& result, std::span<const Variant> params);
    // Resolves a variable: with a sheet, its OnVariable and then DoVariable; resolved when result is not Null.
    bool GetVariable(TXLSheet* sheet, const std::string& name, Variant& result);

    // Sheets add themselves on creation and remove themselves on destruction.
    TXLLiveSheets& Sheets() { return m_sheets; }

private:
    struct ClassEntry {
        const TXLCellClass* cls;
        std::vector<const TXLEditorClass*> editors;
        std::vector<std::string> formats;
    };
    const ClassEntry* Find(const TXLCellClass* cls) const;

    std::vector<ClassEntry> m_classes;
    std::map<std::string, TXLFunctionProc, std::less<>> m_functions;
    TXLLiveSheets m_sheets;
    TXLFormatTable m_formats;
    struct PresetKey {
        const TXLCellClass* cls;
        const std::string* format;
        bool operator==(const PresetKey&) const = default;
    };
    struct PresetKeyHash {
        size_t operator()(const PresetKey& k) const
        {
            return std::hash<const void*>()(k.cls) * 31 + std::hash<const void*>()(k.format);
        }
    };
    std::unordered_map<PresetKey, int, PresetKeyHash> m_presetIndexes;
    PresetKey m_lastPreset{nullptr, nullptr};
    int m_lastPresetIndex = -1;
    int FindPresetIndex(const TXLCellClass* cls, const std::string* format);
    TXLDesktop m_desktop;
    TXLDevices m_devices;
};

// The one manager, created on first use with empty registries (InitEngine fills them). EXLGridError "XLManager has been
// already destroyed!" after shutdown.
TXLManager& XLManager();
// The manager when it exists, without creating it; nullptr after shutdown (for destructors).
TXLManager* XLManagerIfAlive();
// Library shutdown: destroys the manager; later calls of XLManager() fail.
void DestroyXLManager();

} // namespace qv
