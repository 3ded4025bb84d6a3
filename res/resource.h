#pragma once
// Resource ids of the program. Command ids that other programs or the menu
// rely on keep their documented numbers; see src/ui/CommandIds.h.
#define IDI_TARVON 116
#define IDM_MAIN 1
#define IDM_MAP 2
#define IDB_TOOLBAR 109
#define IDB_WORLDMAP 110
