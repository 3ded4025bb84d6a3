#pragma once
// Resource ids of the TNC Settings, Directories, VANT Settings and SatGate
// pages of the satellite property sheet, block 5300-5399. Only #defines: the
// resource compiler reads it.

#define IDD_SAT_TNC 5300
#define IDC_TNC_TYPE 5301
#define IDC_TNC_PORT 5302
#define IDC_TNC_SPEED 5303
#define IDC_TNC_UPLINK 5304
#define IDC_TNC_TX_BUFFER 5305
#define IDC_TNC_RX_BUFFER 5306
#define IDC_TNC_MAXFRAME 5307
#define IDC_TNC_RETRIES 5308
#define IDC_TNC_RETRY_TIME 5309
#define IDC_TNC_TX_DELAY 5310
#define IDC_TNC_TX_TAIL 5311
#define IDC_TNC_PACKET_LENGTH 5312
#define IDC_TNC_SMACK 5313
#define IDC_TNC_DSP_MODE 5314

/* The ten directories in the page's order, 5331 to 5340. */
#define IDD_SAT_DIRECTORIES 5330
#define IDC_SDIR_FIRST 5331

/* The fifteen option boxes, 5351 to 5365, in the order of VantForm::options. */
#define IDD_SAT_VANT 5350
#define IDC_SVO_FIRST_OPTION 5351
#define IDC_SVO_CUSTOMISATION 5366
#define IDC_SVO_TAIL_ACTION 5367
#define IDC_SVO_DIR_PRIORITY 5368
#define IDC_SVO_INACTIVITY 5369
#define IDC_SVO_UP_TO_DATE 5370
#define IDC_SVO_THRESHOLD 5371
#define IDC_SVO_CHANGE_FREQ 5372

#define IDD_SAT_SATGATE 5380
#define IDC_SGT_CALLSIGN 5381
#define IDC_SGT_COLLECT 5382
#define IDC_SGT_PRIORITY 5383
