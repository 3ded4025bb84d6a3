#pragma once
// Resource ids of the main window's own dialogs ("Tracking", "Setup
// Programs"), block 4800-4899. Only #defines: the resource compiler reads it.

#define IDD_TRACKING 4800
#define IDC_TRACK_SATELLITES 4801
#define IDC_TRACK_TRACKING 4802
#define IDC_TRACK_ADD 4803
#define IDC_TRACK_REMOVE 4804
#define IDC_TRACK_CLEAR 4805
#define IDC_TRACK_HELP 4806

#define IDD_SETUP_PROGRAMS 4820
#define IDC_PROG_LIST 4821
#define IDC_PROG_TITLE 4822
#define IDC_PROG_DIRECTORY 4823
#define IDC_PROG_FILE 4824
#define IDC_PROG_TOOLBAR 4825
#define IDC_PROG_NEW 4826
#define IDC_PROG_DELETE 4827
#define IDC_PROG_HELP 4828
