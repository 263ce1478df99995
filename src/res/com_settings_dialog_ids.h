// Template and control ids of the serial settings dialog. Plain macros: the
// resource compiler reads this file too.
#pragma once

#define IDD_COM_SETTINGS 150

#define IDC_COM_GROUP 151
#define IDC_COM_BAUD_LABEL 152
#define IDC_COM_DATA_BITS_LABEL 153
#define IDC_COM_STOP_BITS_LABEL 154
#define IDC_COM_PARITY_LABEL 155
#define IDC_COM_FLOW_LABEL 156
#define IDC_COM_BAUD_LIST 157
#define IDC_COM_DATA_BITS_LIST 158
#define IDC_COM_STOP_BITS_LIST 159
#define IDC_COM_PARITY_LIST 160
#define IDC_COM_FLOW_LIST 161
#define IDC_COM_OK 170
#define IDC_COM_CANCEL 171
