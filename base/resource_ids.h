/* Every resource id of the program, shared by the resource script and the code.
   Plain defines only, because windres reads it as well as the compiler. */
#ifndef DZ_RESOURCE_IDS_H
#define DZ_RESOURCE_IDS_H

/* Menu commands. The string with the same id is the item's help text in the
   status bar (Save As has none). */
#define CMD_EXIT            1001
#define CMD_OPEN            1002
#define CMD_SAVE            1003
#define CMD_NEW             1004
#define CMD_PROPERTIES      1005
#define CMD_SAVE_AS         1006
#define CMD_STATUS_BAR      1101
#define CMD_HELP_CONTENTS   1201
#define CMD_ABOUT           1202
#define CMD_HOMEPAGE        1203

/* Bitmaps */
#define IDB_TEXTURE         2001
#define IDB_TILE_SHEET      2002
#define IDB_ABOUT_PICTURE   2003

/* Menu bar of the frame window */
#define IDM_MAIN_MENU       3001

/* Program icon */
#define IDI_PROGRAM         4001

/* The program's own texts */
#define IDS_PROGRAM_TITLE   5001
#define IDS_SETTINGS_KEY    5002
#define IDS_CANNOT_READ     5003
#define IDS_ERROR           5004
#define IDS_FILE_CORRUPTED  5005
#define IDS_CANNOT_WRITE    5006
#define IDS_CANNOT_GENERATE 5007
#define IDS_YOU_MADE_IT     5008
#define IDS_TRY_IT          5009
#define IDS_DOES_NOT_FIT    5010
#define IDS_CONGRATULATIONS 5011
#define IDS_STONE_IS_FIXED  5012
#define IDS_CLOSE_RUNNING   5013
#define IDS_HELP_TOPIC      5014
#define IDS_UNTITLED        5015

/* Dialogs */
#define IDD_PROPERTIES      6001
#define IDD_ABOUT           6002

/* Controls of the Properties dialog */
#define IDC_UNIQUE_GAMES    7001
#define IDC_START_STONE     7002
#define IDC_ASK_ON_EXIT     7003
#define IDC_DOMINOES        7004
#define IDC_SYMBOLS         7005
#define IDC_CHINESE         7006
#define IDC_SHOW_STATUS_BAR 7007
#define IDC_NO_DOUBLES      7008

/* The About dialog's link sends the Homepage command. */
#define IDC_HOMEPAGE_LINK   CMD_HOMEPAGE

/* Accelerator table */
#define IDA_ACCELERATORS    8001

/* Version record */
#define IDV_VERSION         1

/* The maker, as the About dialog, the Homepage command and the version record
   name it. */
#define HOMEPAGE_ADDRESS    "http://www.ludwerk.de/"
#define CONTACT_ADDRESS     "info@ludwerk.de"
#define RIGHTS_HOLDER       "Copyright (C) 2002 Ludwerk"

#endif
