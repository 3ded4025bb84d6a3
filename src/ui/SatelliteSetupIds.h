#pragma once
// Resource ids of the "Satellites" list and of the General, Scheduling and
// Frequencies pages of the satellite property sheet, block 5200-5299. Only
// #defines: the resource compiler reads it.

#define IDD_SATELLITES 5200
#define IDC_SATS_LIST 5201
#define IDC_SATS_NEW 5202
#define IDC_SATS_EDIT 5203
#define IDC_SATS_DELETE 5204
#define IDC_SATS_HELP 5205

#define IDD_SAT_GENERAL 5210
#define IDC_GEN_NAME 5211
#define IDC_GEN_TYPE 5212
#define IDC_GEN_TLM 5213
#define IDC_GEN_STATE 5214
#define IDC_GEN_SATGATE 5215
#define IDC_GEN_BDCST 5216
#define IDC_GEN_BBS 5217
#define IDC_GEN_NUP 5218

#define IDD_SAT_SCHEDULING 5230
#define IDC_SCH_PROGRAM 5231
#define IDC_SCH_DIRECTORY 5232
#define IDC_SCH_RUN 5233
#define IDC_SCH_PASS_CHECK_TIME 5234
#define IDC_SCH_PASS_CHECKING 5235
#define IDC_SCH_PRIORITY 5236
#define IDC_SCH_MIN_ELEVATION 5237
#define IDC_SCH_MIN_PASS_TIME 5238
#define IDC_SCH_START_TIME 5239

#define IDD_SAT_FREQUENCIES 5250
#define IDC_FRQ_UPLINK1 5251 /* to 5254 */
#define IDC_FRQ_DOWNLINK1 5255 /* to 5258 */
#define IDC_FRQ_DEFAULT_UPLINK1 5261 /* to 5264 */
#define IDC_FRQ_DEFAULT_DOWNLINK1 5265 /* to 5268 */
#define IDC_FRQ_UPLINK_MODE 5270
#define IDC_FRQ_DOWNLINK_MODE 5271
#define IDC_FRQ_UPLINKS 5272
