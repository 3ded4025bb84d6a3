#pragma once
// Resource ids of the element database's dialogs ("Update Keps" report,
// "Edit Satellite Data"), block 5000-5099. Only #defines: the resource
// compiler reads it.

#define IDD_UPDATE_KEPS 5000
#define IDC_UPDATE_REPORT 5001

#define IDD_EDIT_KEPS 5020
#define IDC_KEPS_NAME 5021
#define IDC_KEPS_CATALOG 5022
#define IDC_KEPS_ELEMENT_SET 5023
#define IDC_KEPS_EPOCH 5024
#define IDC_KEPS_MEAN_ANOMALY 5025
#define IDC_KEPS_MEAN_MOTION 5026
#define IDC_KEPS_INCLINATION 5027
#define IDC_KEPS_ECCENTRICITY 5028
#define IDC_KEPS_ARG_PERIGEE 5029
#define IDC_KEPS_RAAN 5030
#define IDC_KEPS_DECAY 5031
#define IDC_KEPS_ORBIT 5032
#define IDC_KEPS_BLON 5033
#define IDC_KEPS_BLAT 5034
#define IDC_KEPS_BEACON 5035
#define IDC_KEPS_SCHEDULE 5036
#define IDC_KEPS_NEXT 5040
#define IDC_KEPS_PREVIOUS 5041
#define IDC_KEPS_DELETE 5042
#define IDC_KEPS_FIND 5043
#define IDC_KEPS_HELP 5044
