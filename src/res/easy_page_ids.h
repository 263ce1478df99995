// Control and picture ids of the Easy page (easy_page.rc). Plain macros: the
// resource compiler reads this file too.
#pragma once

#include "resource.h"

#define IDD_PAGE_EASY 102

// Media type: the row's check box, the three pictures with their radio
// buttons (one group, in media index order) and the labels under them.
#define IDC_EASY_MEDIA_GROUP 1010
#define IDC_EASY_MEDIA_CHECK 1029
#define IDC_EASY_GAPS_PICTURE 1005
#define IDC_EASY_MARKS_PICTURE 1006
#define IDC_EASY_CONTINUOUS_PICTURE 1007
#define IDC_EASY_GAPS_RADIO 1011
#define IDC_EASY_MARKS_RADIO 1012
#define IDC_EASY_CONTINUOUS_RADIO 1013
#define IDC_EASY_GAPS_LABEL 1014
#define IDC_EASY_MARKS_LABEL 1015
#define IDC_EASY_CONTINUOUS_LABEL 1016

// Print method: the row's check box and its list.
#define IDC_EASY_METHOD_GROUP 1008
#define IDC_EASY_METHOD_CHECK 1030
#define IDC_EASY_METHOD_LIST 1020

// Pictures (24-bit bitmaps).
#define IDB_EASY_GAPS 103
#define IDB_EASY_MARKS 104
#define IDB_EASY_CONTINUOUS 106
