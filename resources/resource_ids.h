#pragma once
// Resource identifiers shared by vexar.rc and the windows that load the pictures.
// Plain macros: the resource compiler reads this file too.

#define VEXAR_IDI_PROGRAM 1           // program icon group: window icon and the executable's icon
#define VEXAR_IDR_CLOSE_GLYPH 101     // JPEG (RCDATA): grey X on black, 16 x 25
#define VEXAR_IDR_MINIMIZE_GLYPH 102  // JPEG (RCDATA): grey downward triangle on black, 21 x 25
#define VEXAR_IDB_HELP_GLYPH 103      // 24-bit bitmap: red question mark, 16 x 16
#define VEXAR_IDB_LAUNCH_EMBLEM 104   // 256-colour bitmap: launch emblem, 44 x 46
#define VEXAR_IDB_PRESSED_EMBLEM 105  // 256-colour bitmap: the emblem while pressed, 44 x 44
#define VEXAR_IDB_FIRE_COLUMN 106     // 256-colour bitmap: flaming torch, 26 x 96
