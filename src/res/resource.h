// Ids that more than one window knows: the main window's buttons that the
// pages click, and the templates of the pages not yet in files of their own.
// Plain macros: the resource compiler reads this file too.
//
// How the resource files are laid out: each window has its own pair,
//   src/res/<page>_page.rc     its dialog template (UTF-8, includes the pair's
//                              ids header, layout.h for the shared layout)
//   src/res/<page>_page_ids.h  its template id (IDD_...) and control ids
//                              (IDC_<PAGE>_...), including this file;
// the code includes only "res/<page>_page_ids.h". Every src/res/*.rc is
// compiled into the object library vostrel_resources, which the program and
// win_tests link: a new page's .rc needs no build edit.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Main window buttons that the pages click.
#define IDC_MAIN_SEND 172
#define IDC_MAIN_PRINT_ACTION 179

// Page templates; each moves into its page's ids header with the page.
#define IDD_PAGE_EASY 102
#define IDD_PAGE_CALIBRATION 114
#define IDD_PAGE_INFORMATION 3000
#define IDD_PAGE_PRINT 3001
