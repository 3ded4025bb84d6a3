#pragma once
/* The station's public numbers: window messages that other programs and our
   own threads send, command ids of the menus and toolbar, and timer ids.
   Plain macros only, so that the resource compiler can read this file too. */

/* Window messages accepted by the main window. */
#define WM_TARVON_SELECT_UPLINK 2031
#define WM_TARVON_START_TRACKING 2032
#define WM_TARVON_REFRESH_KEPS 2037
#define WM_TARVON_DOWNLINK_OFFSET 2039
#define WM_TARVON_SELECT_DOWNLINK 2040
#define WM_TARVON_RUN_SCHEDULER 2043
#define WM_TARVON_NOTIFY_PASS 2044

/* The station's own messages to its main window (WM_APP and up): its other
   threads post them so that the window's thread does what only it may. */
#define WM_TARVON_SHOW_NOTICES 0x8001
#define WM_TARVON_ROTOR_MOVED 0x8002
#define WM_TARVON_REDRAW 0x8003
#define WM_TARVON_SCROLL_HOME 0x8004
#define WM_TARVON_SET_TITLE 0x8005
#define WM_TARVON_ARM_TIMER 0x8006  /* wParam timer id, lParam ms */
#define WM_TARVON_STOP_TIMER 0x8007 /* wParam timer id */
/* To the Enable Rotator dialog: one name of the TrakBox's list (lParam owns a std::wstring). */
#define WM_TARVON_TRAKBOX_NAME 0x8008
#define WM_TARVON_SHOW_ON_MAP 0x8009
#define WM_TARVON_TRACKING_STARTED 0x800A /* wParam: the start's number */

/* Messages posted to the satellite program's main window. */
#define WM_VANT_LISTEN_ONLY 2041
#define WM_VANT_LOS 2042

/* Main menu and toolbar commands. */
#define IDM_GENERAL_SETUP 110
#define IDM_STATION_SETUP 101
#define IDM_SATELLITE_SETUP 109
#define IDM_SCHEDULE_EVENTS 111
#define IDM_PROGRAMS_SETUP 148
#define IDM_SOUNDS 127
#define IDM_SELECT_FONT 128
#define IDM_VANT_SETUP 116
#define IDM_EDIT_VANT_EQUATIONS 123
#define IDM_PEVRIN_SETUP 118
#define IDM_EDIT_PEVRIN_EQUATIONS 124
#define IDM_SCRIVET_SETUP 119
#define IDM_EDIT_SIGNATURE 142
#define IDM_BRISKO_SETUP 120
#define IDM_FILE_HOUSEKEEPING 114
#define IDM_DIRECTORY_MAINTENANCE 149
#define IDM_VIEW_BRISKO_ERRORS 137
#define IDM_VIEW_VANT_LOG 140
#define IDM_VIEW_UPLOAD_STATUS 145
#define IDM_RUN_PASS 125
#define IDM_ENABLE_ROTATOR 126
#define IDM_TRACK 139
#define IDM_SCHEDULING 132
#define IDM_ADD_PASS 152
#define IDM_REDO_SCHEDULE 150
#define IDM_PRINT_SCHEDULE 151
#define IDM_GRAPHIC_TRACK 143
#define IDM_UPDATE_DATABASE 130
#define IDM_EDIT_SATELLITE_DATA 131
#define IDM_EDIT_OBSERVERS 144
#define IDM_RUN_SCRIVET 135
#define IDM_RUN_PEVRIN 136
#define IDM_RUN_BRISKO 141
#define IDM_USER_PROGRAM_FIRST 500
#define IDM_USER_PROGRAM_LAST 599
#define IDM_HELP_INDEX 901
#define IDM_HELP_USING 905
#define IDM_ABOUT 999
#define IDM_PASS_EDIT_SCHEDULING 40003
#define IDM_PASS_RUN_NOW 40004
#define IDM_PASS_LISTEN_ONLY 40005
#define IDM_TRACKING_POPUP_FIRST 40006
#define IDM_TRACKING_POPUP_LAST 40009

/* Map window commands. */
#define IDM_MAP_EXIT 101
#define IDM_MAP_SELECT_SATELLITE 102
#define IDM_MAP_ENABLE_ROTATOR 103
#define IDM_MAP_FREQUENCY_SETUP 104
#define IDM_MAP_FAST_FORWARD 105
#define IDM_MAP_CHANGE_DIRECTION 106
#define IDM_MAP_PAUSE 107
#define IDM_MAP_OPTIONS 108
#define IDM_MAP_CHANGE_OBSERVERS 109
#define IDM_MAP_HELP 110
#define IDM_MAP_HELP_INDEX 111

/* Help contexts: each names a page (and a place on it) of the station's
   help, res/help; core/HelpTopics.cpp maps them. Numbers other programs of
   the suite share keep their values. */
#define IDH_CONTENTS 1
#define IDH_USING_HELP 2
#define IDH_MAIN_WINDOW 3
#define IDH_SATELLITES 301
#define IDH_STATION 302
#define IDH_SAT_DIRECTORIES 303
#define IDH_SAT_FREQUENCIES 304
#define IDH_MAP_SELECT_SATELLITE 306
#define IDH_RUN_PASS 400
#define IDH_EDIT_SATELLITE_DATA 404
#define IDH_UPDATE_KEPS 405
#define IDH_ENABLE_ROTATOR 406
#define IDH_BRISKO_ERRORS 409
#define IDH_TRACKING 411
#define IDH_RUN_BRISKO 412
#define IDH_VANT_LOG 413
#define IDH_UPLOAD_LOG 414
#define IDH_NOTIFICATION 415
#define IDH_EDIT_OBSERVERS 416
#define IDH_CHANGE_OBSERVERS 417
#define IDH_UPLOAD_STATUS 419
#define IDH_SOUNDS 420
#define IDH_DIRECTORY_MAINTENANCE 421
#define IDH_SETUP_PROGRAMS 422
#define IDH_UPLOAD_COPY 423
#define IDH_EDIT_PASS 424
#define IDH_MAP_OPTIONS 427
#define IDH_SAT_SCHEDULING 428
#define IDH_SAT_TNC 429
#define IDH_SAT_VANT 430
#define IDH_TRANSVERTERS 431
#define IDH_MAP_WINDOW 600
/* Help contexts of the setup dialogs of the suite, the events and the
   housekeeping. */
#define IDH_SCRIVET_SETUP 103
#define IDH_BRISKO_SETUP 150
#define IDH_GENERAL_SETUP 401
#define IDH_FILE_HOUSEKEEPING 403
#define IDH_SCHEDULE_EVENTS 408
#define IDH_VANT_SETUP 426
#define IDH_PEVRIN_SETUP 500

/* Main window timers. */
#define IDT_ROTATOR_TIMEOUT 103
#define IDT_DSP_TIMEOUT 105
#define IDT_DSP_WAKE 106
