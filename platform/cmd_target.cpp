#include "platform/message_map.h"

#include "platform/message_box.h"

#include <new>

const MessageMap* CCmdTarget::GetThisMessageMap()
{
    static const MessageMapEntry entries[] = {{0, 0, 0, nullptr, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const MessageMapEntry* CCmdTarget::FindEntry(UINT message, UINT id, UINT code) const
{
    for (const MessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->message != 0; ++entry) {
            if (entry->message != message)
                continue;
            if (message != WM_COMMAND || (entry->id == id && entry->code == code))
                return entry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT id, int code)
{
    const MessageMapEntry* entry = FindEntry(WM_COMMAND, id, static_cast<UINT>(code));
    if (!entry)
        return FALSE;
    AfxCallHandler(this, entry->handler);
    return TRUE;
}

namespace {

template<typename Call>
auto Guarded(Call call) -> decltype(call())
{
    try {
        return call();
    } catch (const std::bad_alloc&) {
        AfxFrameworkMessage("Out of memory.");
    } catch (const CResourceException&) {
        AfxFrameworkMessage("A required resource was unavailable.");
    } catch (...) {
        AfxFrameworkMessage("Command failed.");
    }
    return decltype(call())();
}

} // namespace

void AfxCallHandler(CCmdTarget* target, CommandHandler handler)
{
    Guarded([&] { (target->*handler)(); });
}

HCURSOR AfxCallHandler(CCmdTarget* target, CursorHandler handler)
{
    return Guarded([&] { return (target->*handler)(); });
}
