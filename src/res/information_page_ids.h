// Control ids of the Information page (information_page.rc). Plain macros:
// the resource compiler reads this file too.
#pragma once

#include "resource.h"

#define IDD_PAGE_INFORMATION 3000

#define IDC_INFO_GROUP 3001
// The captions, right-aligned, and the values beside them, in the same order.
#define IDC_INFO_SERIAL_CAPTION 3002
#define IDC_INFO_PRINT_CAPTION 3003
#define IDC_INFO_SERVICE_CAPTION 3004
#define IDC_INFO_CUT_CAPTION 3005
#define IDC_INFO_SERIAL_VALUE 3006
#define IDC_INFO_PRINT_VALUE 3007
#define IDC_INFO_SERVICE_VALUE 3008
#define IDC_INFO_CUT_VALUE 3009
// In the values' place while they are all empty: what to press to get them.
#define IDC_INFO_HINT 3010
