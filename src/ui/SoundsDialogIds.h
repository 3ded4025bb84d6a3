#pragma once
// Resource ids of the "Setup Sounds" dialog, block 4600-4649. Only #defines:
// the resource compiler reads it.

#define IDD_SOUNDS 4600
#define IDC_SOUND_NONE 4601
#define IDC_SOUND_BEEPS 4602
#define IDC_SOUND_WAVE 4603
/* The five events in order: check box 4610 + i, file field 4620 + i. */
#define IDC_SOUND_CHECK_FIRST 4610
#define IDC_SOUND_FILE_FIRST 4620
#define IDC_SOUND_PER_SATELLITE 4630
#define IDC_SOUND_HELP 4631
