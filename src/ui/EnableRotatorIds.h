#pragma once
// Resource ids of the "Enable Rotator" dialog, block 4200-4219. Only
// #defines: the resource compiler reads it.
#define IDD_ENABLE_ROTATOR 4200
#define IDC_ROTATOR_LIST 4201
#define IDC_ROTATOR_HELP 4202
