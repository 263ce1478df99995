// Template and control ids of the host window of the page tests
// (tests/pages/pages_host.rc).
#pragma once

#define IDD_PAGES_HOST 9300

// The main window's buttons that the pages click: send, and the hidden print
// action.
#define IDC_PAGES_HOST_SEND 172
#define IDC_PAGES_HOST_PRINT_ACTION 179
