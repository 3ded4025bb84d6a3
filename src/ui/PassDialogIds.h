#pragma once
// Resource ids of the pass dialogs (notification, Edit Schedule, Run Pass /
// Add Pass), block 4100-4199. Only #defines: the resource compiler reads it.

#define IDD_NOTIFICATION 4100
// The engine "presses OK" with command 2, so OK carries that id.
#define IDC_NOTIFY_OK 2
#define IDC_NOTIFY_SATELLITE 4101
#define IDC_NOTIFY_AOS 4102
#define IDC_NOTIFY_LOS 4103
#define IDC_NOTIFY_MAXEL 4104
#define IDC_NOTIFY_HIDDEN_AOS 4105
#define IDC_NOTIFY_RUN 4106
#define IDC_NOTIFY_CANCEL 4107
#define IDC_NOTIFY_HELP 4108

#define IDD_EDIT_PASS 4120
#define IDC_EDIT_AOS_DAY 4121
#define IDC_EDIT_AOS_MONTH 4122
#define IDC_EDIT_AOS_YEAR 4123
#define IDC_EDIT_AOS_HOUR 4124
#define IDC_EDIT_AOS_MINUTE 4125
#define IDC_EDIT_AOS_SECOND 4126
#define IDC_EDIT_LOS_DAY 4127
#define IDC_EDIT_LOS_MONTH 4128
#define IDC_EDIT_LOS_YEAR 4129
#define IDC_EDIT_LOS_HOUR 4130
#define IDC_EDIT_LOS_MINUTE 4131
#define IDC_EDIT_LOS_SECOND 4132
#define IDC_EDIT_PRIORITY 4133
#define IDC_EDIT_STATUS 4134
#define IDC_EDIT_REGARDLESS 4135
#define IDC_EDIT_IGNORE_CHECKING 4136
#define IDC_EDIT_DELETE 4137
#define IDC_EDIT_HELP 4138

#define IDD_SATELLITE_CHOICE 4150
#define IDC_CHOICE_LIST 4151
#define IDC_CHOICE_HELP 4152
