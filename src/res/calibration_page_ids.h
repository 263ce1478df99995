// Control and picture ids of the Calibration page (calibration_page.rc). Plain
// macros: the resource compiler reads this file too.
#pragma once

#include "resource.h"

#define IDD_PAGE_CALIBRATION 114

#define IDC_CAL_GROUP 1082
#define IDC_CAL_PROMPT 1083

// The media choices: picture slot (painted by the page), radio button (one
// group, in media index order) and label. The third choice, the RFID
// calibration, is shown when the window offers it.
#define IDC_CAL_GAPS_SLOT 1096
#define IDC_CAL_GAPS_RADIO 1084
#define IDC_CAL_GAPS_LABEL 1088
#define IDC_CAL_MARKS_SLOT 1097
#define IDC_CAL_MARKS_RADIO 1085
#define IDC_CAL_MARKS_LABEL 1089
#define IDC_CAL_RFID_SLOT 1101
#define IDC_CAL_RFID_RADIO 1086
#define IDC_CAL_RFID_LABEL 1100

// The four steps: text and picture.
#define IDC_CAL_STEP1_TEXT 1093
#define IDC_CAL_STEP1_PICTURE 1090
#define IDC_CAL_STEP2_TEXT 1094
#define IDC_CAL_STEP2_PICTURE 1091
#define IDC_CAL_STEP3_TEXT 1095
#define IDC_CAL_STEP3_PICTURE 1092
#define IDC_CAL_STEP4_TEXT 1098
#define IDC_CAL_STEP4_PICTURE 1099

#define IDC_CAL_START 1103

// Pictures (24-bit bitmaps). The steps' are 376 x 235 pixels; the two media
// rolls and the RFID label 140 x 120, with pure red as their transparent
// colour.
#define IDB_CAL_OPEN_PRINTER 250
#define IDB_CAL_MARKS_CLEAR_OF_SENSOR 251
#define IDB_CAL_LINER_BETWEEN_SENSORS 252
#define IDB_CAL_CLOSED_PRINTER_MARKS 253
#define IDB_CAL_CLOSED_PRINTER_GAPS 254
#define IDB_CAL_ROLL_MARKS 256
#define IDB_CAL_ROLL_GAPS 257
#define IDB_CAL_RFID_LABEL 258
#define IDB_CAL_LINER_SHOWN 266
#define IDB_CAL_MARKS_ON_BACK 267
#define IDB_CAL_RFID_BETWEEN_SENSORS 268  // RFID calibration, step 2
