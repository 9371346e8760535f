// Resource ids of KX_RuvoZava.exe. Each resource type has its own range so
// an id always says what it names.
#pragma once

// Strings 10-199: the numbers of the string table are fixed (kx::StringId).

// Bitmaps 1-9: the colour cells of the colour selectors keep number 7.
#define IDB_COLOR_CELLS 7

// Icons 200-299: the lowest is the program's icon in the file manager.
#define IDI_PROGRAM 200
#define IDI_EMBLEM 201

// Cursors 300-399.
#define IDC_URL_HAND 300

// Menus 400-499.
#define IDM_TRAY 400

// Menu commands 1000-1099: 1000 + the index of the PopUp item.
#define IDM_POPUP_BASE 1000
#define IDM_POPUP_SETTINGS 1000
#define IDM_POPUP_LOAD_FILE 1001
#define IDM_POPUP_EXIT 1003
