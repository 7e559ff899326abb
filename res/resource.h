// Resource identifiers of the program.
#pragma once

#define IDD_MAIN 102
#define IDR_MAINFRAME 128
#define IDR_MAINMENU 129
#define IDD_SETTINGS 130
#define IDC_DEFAULTS 1000
#define IDC_RATIO 1001
#define IDC_ANGLE_OFFSET 1002
#define IDC_PEN_WIDTH 1003
#define ID_DESIGN_OPTIONS 32772
