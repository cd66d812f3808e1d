#pragma once
// Resource names and ids, shared by Brelix.rc and the code. Defines only: the
// resource compiler reads this file too.

// Resources known by name. Each name is written here once: the script uses it
// as it stands, the code as text through RESOURCE_NAME.
#define RES_MAIN_ICON MAINICON
#define RES_SPIN_UP SPINUP
#define RES_SPIN_DOWN SPINDOWN
#define RES_MAIN_LAYOUT MAINFORM
#define RES_CONFIG_LAYOUT CONFIGFORM
#define RES_ABOUT_LAYOUT ABOUTFORM

// The program's texts in the string table (the toolkit's own come from
// ToolkitTexts.h).
#define IDS_MOVE_STATUS 100
#define IDS_SOLVED_TEXT 101
#define IDS_SOLVED_CAPTION 102
#define IDS_NO_HELP_ENGINE 103
#define IDS_HELP_FILE_PATH 108
#define IDS_PHYSICAL_MEMORY 104
#define IDS_FREE_RESOURCES 105
#define IDS_MAKERS_NOTICE 106
// The maker's notice: in the status bar, the About box and the file's version.
#define BRELIX_MAKERS_NOTICE "© Brelix"
#define IDS_SPIN_ARROWS 107

#ifndef RC_INVOKED
#define RESOURCE_NAME_TEXT(name) L## #name
// A named resource's name as the W functions take it.
#define RESOURCE_NAME(name) RESOURCE_NAME_TEXT(name)
#endif
