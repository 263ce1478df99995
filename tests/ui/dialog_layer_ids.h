// Template and control ids of the dialog layer tests (tests/ui/dialog_layer.rc).
#pragma once

#define IDD_TEST_MODAL 9100
#define IDD_TEST_CHILD 9101

#define IDC_TEST_CHECK 9110
#define IDC_TEST_EDIT 9111
#define IDC_TEST_COMBO 9112
#define IDC_TEST_RADIO_A 9113
#define IDC_TEST_RADIO_B 9114
#define IDC_TEST_RADIO_C 9115
#define IDC_TEST_SPIN 9116
#define IDC_TEST_ADDRESS 9117
#define IDC_TEST_CHILD_EDIT 9120
