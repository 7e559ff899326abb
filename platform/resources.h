// The program's resources as plain data: dialog templates, menus, icons,
// strings and version information. The program defines one ResourceTable and
// hands it to the framework before the first window is made.
#pragma once

#include "platform/win_types.h"

#include <vector>

enum class ControlClass { Button, Static, Edit };

struct DialogControl {
    int id;
    ControlClass controlClass;
    const char* text;
    DWORD style;
    DWORD exStyle;
    int x, y, cx, cy; // dialog units
};

struct DialogTemplate {
    UINT id;
    DWORD style;
    DWORD exStyle;
    int x, y, cx, cy; // dialog units
    UINT menuId;      // 0: none
    const char* caption;
    const char* fontName;
    int pointSize;
    int weight;
    bool italic;
    int charset;
    std::vector<DialogControl> controls;
};

struct MenuItem {
    const char* text; // null for a separator
    UINT id;
};

struct MenuPopup {
    const char* text;
    std::vector<MenuItem> items;
};

struct MenuTemplate {
    UINT id;
    std::vector<MenuPopup> popups;
};

// One picture of an icon: rows of characters, one per pixel, each naming a
// colour of the palette (' ' is transparent).
struct IconImage {
    int size;
    const char* const* rows;
};

struct IconTemplate {
    UINT id;
    const char* palette; // pairs: a character, then "#RRGGBB"; separated by spaces
    std::vector<IconImage> images;
};

struct StringEntry {
    UINT id;
    const char* text;
};

struct VersionInfo {
    const char* fileVersion;    // "1, 0, 0, 1"
    const char* productVersion; // "1, 0, 0, 1"
    const char* productName;
    const char* fileDescription;
    const char* internalName;
    const char* originalFilename;
    const char* companyName;
    const char* legalTrademarks;
    UINT language;
    UINT codePage;
};

struct ResourceTable {
    std::vector<DialogTemplate> dialogs;
    std::vector<MenuTemplate> menus;
    std::vector<IconTemplate> icons;
    std::vector<StringEntry> strings;
    VersionInfo version;
    const char* desktopId; // the desktop entry that names the program to the desktop
};

// Makes the table the program's resources; it must outlive every window.
void AfxSetResources(const ResourceTable* resources);

const DialogTemplate* AfxFindDialogTemplate(UINT id);
const MenuTemplate* AfxFindMenu(UINT id);
const IconTemplate* AfxFindIcon(UINT id);
const char* AfxFindString(UINT id);
const VersionInfo* AfxVersionInfo();
const char* AfxDesktopId();

// A static object of the program's that hands its table to the framework.
struct ResourceRegistration {
    explicit ResourceRegistration(const ResourceTable* resources) { AfxSetResources(resources); }
};
