// Message maps: a table per class that binds messages and command ids to
// member functions. A lookup walks the class's table, then its base's.
#pragma once

#include "platform/win_types.h"

class CCmdTarget;

using CommandHandler = void (CCmdTarget::*)();
using CursorHandler = HCURSOR (CCmdTarget::*)();

struct MessageMapEntry {
    UINT message; // WM_COMMAND for commands; 0 ends the table
    UINT code;    // notification code of a command (BN_CLICKED, or 0 from a menu)
    UINT id;      // command id
    CommandHandler handler;
    CursorHandler cursorHandler; // for WM_QUERYDRAGICON
};

struct MessageMap {
    const MessageMap* (*base)();
    const MessageMapEntry* entries;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const MessageMap* GetThisMessageMap();                                                  \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); }              \
    const MessageMap* theClass::GetThisMessageMap()                                                \
    {                                                                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using BaseClass = baseClass;                                                               \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                                          \
            {0, 0, 0, nullptr, nullptr}};                                                          \
        static const MessageMap map = {&BaseClass::GetThisMessageMap, entries};                    \
        return &map;                                                                               \
    }

#define ON_COMMAND(id, memberFn) {WM_COMMAND, 0, (id), static_cast<CommandHandler>(&memberFn), nullptr},
#define ON_BN_CLICKED(id, memberFn) {WM_COMMAND, BN_CLICKED, (id), static_cast<CommandHandler>(&memberFn), nullptr},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, static_cast<CommandHandler>(&ThisClass::OnPaint), nullptr},
#define ON_WM_QUERYDRAGICON()                                                                      \
    {WM_QUERYDRAGICON, 0, 0, nullptr, static_cast<CursorHandler>(&ThisClass::OnQueryDragIcon)},

// Anything that handles commands through a message map.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the handler of this command from this object's maps; FALSE if none.
    virtual BOOL OnCmdMsg(UINT id, int code);

protected:
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;

    // The first entry for a message (and, for WM_COMMAND, id and code).
    const MessageMapEntry* FindEntry(UINT message, UINT id = 0, UINT code = 0) const;
};

// Runs a handler; a failure that escapes it is reported in the framework's
// message box, and the program goes on.
void AfxCallHandler(CCmdTarget* target, CommandHandler handler);
HCURSOR AfxCallHandler(CCmdTarget* target, CursorHandler handler);

// A failure to find a platform resource.
class CResourceException {
};
