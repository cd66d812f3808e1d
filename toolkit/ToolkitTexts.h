#pragma once
// Ids of the toolkit's own texts in the program's string table (the resource
// script gives them in French). Read by the resource compiler too: defines
// only.

#define IDS_ERROR_UNEXPECTED 64000
#define IDS_ERROR_OUT_OF_MEMORY 64001
#define IDS_ERROR_WINDOW 64002
#define IDS_ERROR_RESOURCES 64003
#define IDS_ERROR_FATAL 64004
// The error texts: this many ids from IDS_ERROR_UNEXPECTED on.
#define IDS_ERROR_COUNT 5
