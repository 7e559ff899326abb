// The program's resources: dialog templates, menu, icon, command prompts and
// version information, all in U.S. English.
#include "res/icon_images.h"
#include "res/resource.h"

#include "platform/resources.h"

namespace {

constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP;
constexpr DWORD kField = WS_CHILD | WS_VISIBLE | ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

const ResourceTable kResources = {
    .dialogs = {
        {
            .id = IDD_MAIN,
            .style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
            .exStyle = WS_EX_APPWINDOW,
            .x = 0, .y = 0, .cx = 441, .cy = 262,
            .menuId = IDR_MAINMENU,
            .caption = "Vellorin",
            .fontName = "MS Sans Serif", .pointSize = 8, .weight = 0, .italic = false, .charset = 1,
            .controls = {},
        },
        {
            .id = IDD_SETTINGS,
            .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
            .exStyle = 0,
            .x = 0, .y = 0, .cx = 218, .cy = 103,
            .menuId = 0,
            .caption = "Vellorin Settings",
            .fontName = "MS Sans Serif", .pointSize = 8, .weight = 0, .italic = false, .charset = 1,
            .controls = {
                {IDOK, ControlClass::Button, "OK", kButton | BS_DEFPUSHBUTTON, 0, 161, 82, 50, 14},
                {IDCANCEL, ControlClass::Button, "Cancel", kButton | BS_PUSHBUTTON, 0, 102, 82, 50, 14},
                {-1, ControlClass::Static, "Serif to Line length Ratio:", kLabel, WS_EX_RIGHT, 19, 7, 126, 9},
                {IDC_DEFAULTS, ControlClass::Button, "&Defaults", kButton | BS_PUSHBUTTON, 0, 7, 81, 52, 15},
                {IDC_RATIO, ControlClass::Edit, "", kField, 0, 153, 7, 49, 12},
                {-1, ControlClass::Static, "Angle Offset (degrees from perpendicular)", kLabel, WS_EX_RIGHT, 7, 26, 139, 9},
                {IDC_ANGLE_OFFSET, ControlClass::Edit, "", kField, 0, 153, 26, 50, 12},
                {-1, ControlClass::Static, "Max. Pen Width (pixels):", kLabel, WS_EX_RIGHT, 19, 47, 127, 9},
                {IDC_PEN_WIDTH, ControlClass::Edit, "", kField, 0, 153, 47, 50, 12},
            },
        },
    },
    .menus = {
        {IDR_MAINMENU, {
            {"&File", {{"&Print", ID_FILE_PRINT}, {nullptr, 0}, {"E&xit", ID_APP_EXIT}}},
            {"&Design", {{"&Options...", ID_DESIGN_OPTIONS}}},
        }},
    },
    .icons = {
        {IDR_MAINFRAME, kIconPalette, {{32, kIcon32}, {16, kIcon16}}},
    },
    .strings = {
        {ID_FILE_PRINT, "Print design"},
        {ID_DESIGN_OPTIONS, "Open dialog to modify design's drawing parameters."},
    },
    .version = {
        .fileVersion = "1, 0, 0, 1",
        .productVersion = "1, 0, 0, 1",
        .productName = "Vellorin Application",
        .fileDescription = "Vellorin MFC Application",
        .internalName = "Vellorin",
        .originalFilename = "Vellorin.EXE",
        .companyName = "",
        .legalTrademarks = "",
        .language = 0x0409,
        .codePage = 1200,
    },
    .desktopId = "org.vellorin.Vellorin",
};

const ResourceRegistration kRegistration(&kResources);

} // namespace
