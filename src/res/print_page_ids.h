// Control and picture ids of the Print page (print_page.rc). Plain macros: the
// resource compiler reads this file too.
#pragma once

#include "resource.h"

#define IDD_PAGE_PRINT 3001

// The three actions, one radio group in action order: Self Test and Print
// Sample each with a sample picture (slot painted by the page), Send File with
// the path of the file and its Browse button.
#define IDC_PRINT_SELF_TEST_RADIO 1106
#define IDC_PRINT_SAMPLE_RADIO 1107
#define IDC_PRINT_FILE_RADIO 1086
#define IDC_PRINT_SELF_TEST_SLOT 1111
#define IDC_PRINT_SAMPLE_SLOT 1112
#define IDC_PRINT_FILE_PATH 1113
#define IDC_PRINT_BROWSE 1109
#define IDC_PRINT_EXECUTE 1108

// Pictures: 282 x 431 pixels, pure red as their transparent colour. The
// self-test printout of each model: 272 the VX-120-ZKQ, 274 the VX-135-ZKQ.
#define IDB_PRINT_SELF_TEST 272
#define IDB_PRINT_SAMPLE 273
#define IDB_PRINT_SELF_TEST_VX135 274
