// Template and control ids of the page framework tests
// (tests/pages/page_framework.rc).
#pragma once

#define IDD_TEST_PAGE_HOST 9200
#define IDD_TEST_PAGE 9201

#define IDC_TEST_HOST_SEND 172

#define IDC_ROW_A_CHECK 9210
#define IDC_ROW_B_CHECK 9211
#define IDC_ROW_C_CHECK 9212
#define IDC_ROW_D_CHECK 9213
#define IDC_ROW_E_CHECK 9214
#define IDC_ROW_F_CHECK 9215
#define IDC_ROW_G_CHECK 9216
#define IDC_ROW_H_CHECK 9217
#define IDC_ROW_I_CHECK 9218
#define IDC_ROW_J_CHECK 9219

#define IDC_ROW_A_LIST 9220
#define IDC_ROW_E_LIST 9221
#define IDC_ROW_H_LIST 9222
#define IDC_ROW_I_LIST 9223
#define IDC_ROW_J_LIST 9224

#define IDC_ROW_B_EDIT 9231
#define IDC_ROW_D_EDIT 9232
#define IDC_ROW_F_EDIT 9233
#define IDC_ROW_G_EDIT 9234
#define IDC_ROW_I_EDIT 9235
#define IDC_ROW_J_EDIT 9236

#define IDC_ROW_B_SPIN 9241
#define IDC_ROW_B_UNIT 9251
#define IDC_ROW_C_ADDRESS 9261
#define IDC_PAGE_BOTTOM_LABEL 9270
