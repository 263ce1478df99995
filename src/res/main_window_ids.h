// The main window's template and control ids. Plain macros: the resource
// compiler reads this file too.
#pragma once

#include "resource.h"

#define IDD_MAIN_WINDOW 100
#define IDI_PROGRAM 10

#define IDC_MAIN_MODEL_LABEL 110
#define IDC_MAIN_MODEL_LIST 111
#define IDC_MAIN_LINK_GROUP 120
#define IDC_MAIN_QUEUE_PORT_TEXT 121
#define IDC_MAIN_PORT_NUMBER_LABEL 122
#define IDC_MAIN_QUEUE_RADIO 123
#define IDC_MAIN_COM_RADIO 124
#define IDC_MAIN_USB_RADIO 126
#define IDC_MAIN_NET_RADIO 127
#define IDC_MAIN_QUEUE_LIST 128
#define IDC_MAIN_COM_LIST 129
#define IDC_MAIN_USB_LIST 131
#define IDC_MAIN_IP_ADDRESS 132
#define IDC_MAIN_PORT_NUMBER_EDIT 133
#define IDC_MAIN_COM_DETAIL 134
// IDC_MAIN_SEND (172) and IDC_MAIN_PRINT_ACTION (179) are in resource.h.
#define IDC_MAIN_IMPORT 174
#define IDC_MAIN_EXPORT 175
#define IDC_MAIN_RECEIVE 177
#define IDC_MAIN_TABS 180
#define IDC_MAIN_CHECK_ALL 190
// The status strip along the bottom, placed in pixels by the window: a rule,
// the link and model, what a command does or how it ended, the progress of
// a wait and the Cancel that ends it.
#define IDC_MAIN_STATUS_RULE 191
#define IDC_MAIN_STATUS_LINK 192
#define IDC_MAIN_STATUS_TEXT 193
#define IDC_MAIN_STATUS_PROGRESS 194
#define IDC_MAIN_STATUS_CANCEL 195
