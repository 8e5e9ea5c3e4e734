// The manager's registries and its lifetime as a process-wide object.
#include "sheet/Manager.h"

#include "platform/AsciiText.h"
#include "sheet/GridError.h"
#include "sheet/Sheet.h"

#include <algorithm>

namespace qv {

namespace {

enum class ManagerState { NotCreated, Alive, Destroyed };

// Plain values outlive every static destructor, so objects destroyed at exit after the manager can still ask.
constinit ManagerState g_state = ManagerState::NotCreated;
constinit TXLManager* g_manager = nullptr;

// Owns the manager; at exit it shuts the library down like DestroyXLManager.
struct ManagerOwner {
    std::unique_ptr<TXLManager> manager;
    ~ManagerOwner()
    {
        g_state = ManagerState::Destroyed;
        g_manager = nullptr;
    }
};

ManagerOwner& Owner()
{
    static ManagerOwner owner;
    return owner;
}

} // namespace

TXLManager::TXLManager() = default;

TXLManager::~TXLManager() = default;

int TXLManager::RegisterCellClass(const TXLCellClass& cls, std::vector<std::string> formats)
{
    const int index = IndexOfCellClass(&cls);
    if (index >= 0)
        return index;
    m_classes.push_back({&cls, {}, std::move(formats)});
    return CellClassCount() - 1;
}

void TXLManager::RegisterEditors(const std::vector<const TXLCellClass*>& cellClasses,
                                 const std::vector<const TXLEditorClass*>& editorClasses)
{
    for (const TXLCellClass* cls : cellClasses) {
        auto& editors = m_classes[RegisterCellClass(*cls)].editors;
        for (const TXLEditorClass* editor : editorClasses)
            if (std::find(editors.begin(), editors.end(), editor) == editors.end())
                editors.push_back(editor);
    }
}

const TXLCellClass* TXLManager::CellClasses(int index) const
{
    return index >= 0 && index < CellClassCount() ? m_classes[index].cls : nullptr;
}

int TXLManager::IndexOfCellClass(const TXLCellClass* cls) const
{
    for (int i = 0; i < CellClassCount(); ++i)
        if (m_classes[i].cls == cls)
            return i;
    return -1;
}

const TXLManager::ClassEntry* TXLManager::Find(const TXLCellClass* cls) const
{
    const int index = IndexOfCellClass(cls);
    return index < 0 ? nullptr : &m_classes[index];
}

const TXLCellClass* TXLManager::CellClassByID(int32_t id) const
{
    if (id == 0)
        return nullptr;
    for (const ClassEntry& entry : m_classes)
        if (CellClassID(entry.cls) == id)
            return entry.cls;
    return nullptr;
}

int TXLManager::EditorCount(const TXLCellClass* cls) const
{
    const ClassEntry* entry = Find(cls);
    return entry ? static_cast<int>(entry->editors.size()) : 0;
}

const TXLEditorClass* TXLManager::EditorClass(const TXLCellClass* cls, int index) const
{
    const ClassEntry* entry = Find(cls);
    if (!entry || index < 0 || index >= static_cast<int>(entry->editors.size()))
        return nullptr;
    return entry->editors[index];
}

const std::vector<std::string>* TXLManager::CellFormats(const TXLCellClass* cls) const
{
    const ClassEntry* entry = Find(cls);
    return entry ? &entry->formats : nullptr;
}

int TXLManager::FindPresetIndex(const TXLCellClass* cls, const std::string* format)
{
    const PresetKey key{cls, format};
    if (const auto it = m_presetIndexes.find(key); it != m_presetIndexes.end())
        return it->second;
    int index = -1;
    if (const auto* presets = CellFormats(cls))
        for (size_t i = 0; i < presets->size() && index < 0; ++i)
            if (EqualsIgnoreCase((*presets)[i], *format))
                index = static_cast<int>(i);
    m_presetIndexes.emplace(key, index);
    return index;
}

void TXLManager::SetMeasureCanvas(std::unique_ptr<TXLCanvas> canvas)
{
    m_devices.SetMeasureCanvas(std::move(canvas));
    UpdatePageSize();
}

void TXLManager::UpdatePageSize()
{
    m_devices.ReadPrinter();
    for (TXLSheet* sheet : m_sheets.All())
        sheet->UpdatePageRect(TXLReport::Notify);
}

void TXLManager::RegisterFunction(const std::string& name, TXLFunctionProc proc)
{
    std::string key = name;
    for (char& c : key)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    if (!m_functions.emplace(std::move(key), std::move(proc)).second)
        throw EXLGridError("String list does not allow duplicates");
}

bool TXLManager::HasFunction(const std::string& name) const
{
    return m_functions.contains(name);
}

bool TXLManager::CallFunction(TXLSheet* sheet, const std::string& name, Variant& result,
                              std::span<const Variant> params)
{
    if (const auto it = m_functions.find(name); it != m_functions.end()) {
        it->second(sheet, params, result);
        return true;
    }
    if (!sheet)
        return false;
    result = Variant::Null();
    if (sheet->OnFunction)
        sheet->OnFunction(*sheet, name, params, result);
    if (result.IsNull())
        sheet->DoFunction(name, params, result);
    return !result.IsNull();
}

bool TXLManager::GetVariable(TXLSheet* sheet, const std::string& name, Variant& result)
{
    if (!sheet)
        return false;
    result = Variant::Null();
    if (sheet->OnVariable)
        sheet->OnVariable(*sheet, name, result);
    if (result.IsNull())
        sheet->DoVariable(name, result);
    return !result.IsNull();
}

TXLManager& XLManager()
{
    if (g_state == ManagerState::Destroyed)
        throw EXLGridError("XLManager has been already destroyed!");
    if (g_state == ManagerState::NotCreated) {
        ManagerOwner& owner = Owner();
        g_state = ManagerState::Alive;
        owner.manager = std::make_unique<TXLManager>();
        g_manager = owner.manager.get();
    }
    return *g_manager;
}

TXLManager* XLManagerIfAlive()
{
    return g_manager;
}

void DestroyXLManager()
{
    g_state = ManagerState::Destroyed;
    g_manager = nullptr;
    Owner().manager.reset();
}

} // namespace qv
