#include "platform/resources.h"

namespace {

const ResourceTable* g_resources = nullptr;

template<typename T, typename Id>
const T* FindById(const std::vector<T>& items, Id id)
{
    for (const T& item : items)
        if (item.id == id)
            return &item;
    return nullptr;
}

} // namespace

void AfxSetResources(const ResourceTable* resources) { g_resources = resources; }

const DialogTemplate* AfxFindDialogTemplate(UINT id)
{
    return g_resources ? FindById(g_resources->dialogs, id) : nullptr;
}

const MenuTemplate* AfxFindMenu(UINT id)
{
    return g_resources ? FindById(g_resources->menus, id) : nullptr;
}

const IconTemplate* AfxFindIcon(UINT id)
{
    return g_resources ? FindById(g_resources->icons, id) : nullptr;
}

const char* AfxFindString(UINT id)
{
    const StringEntry* entry = g_resources ? FindById(g_resources->strings, id) : nullptr;
    return entry ? entry->text : nullptr;
}

const VersionInfo* AfxVersionInfo() { return g_resources ? &g_resources->version : nullptr; }

const char* AfxDesktopId() { return g_resources ? g_resources->desktopId : nullptr; }
