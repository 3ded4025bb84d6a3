#pragma once
/* Resource ids of the driver library's set-up dialog. */
#define IDD_DRIVER_SETUP 3100
#define IDC_ROTCTLD_HOST 3101
#define IDC_ROTCTLD_PORT 3102
#define IDC_ROTCTLD_TEST 3103
#define IDC_RIGCTLD_HOST 3104
#define IDC_RIGCTLD_PORT 3105
#define IDC_RIGCTLD_TEST 3106
#define IDC_DAEMON_ANSWER 3107
