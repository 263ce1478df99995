// Layout of the settings pages in dialog units, shared by their templates:
// two columns of rows, a check box with the setting's caption and its value
// controls beside it. A page is shown 600 x 455 pixels large, its scroll bar
// included; with the page font a dialog unit is 1.5 pixels wide and 1.625
// pixels high (13 / 8, as the tests measure it under the Japanese locale), so
// the columns end by 380 units, clear of the scroll bar, and the first view
// ends at 280 units: no row may straddle that line. A scrolling page's rows
// end where its scroll range ends (455 pixels plus the range's travel). A
// check box is wide enough for the longest caption of any language (23
// half-width characters) with a few units to spare before the row's value.
#pragma once

#define PAGE_WIDTH 384
#define PAGE_HEIGHT 328
#define PAGE_FONT_SIZE 9
#define PAGE_FONT "MS UI Gothic"

// Pages are child windows without DS_CONTROL: Enter and Escape stay with the
// page (see ui::Dialog::CreateModeless).
#define PAGE_STYLE DS_SETFONT | WS_CHILD | WS_CLIPSIBLINGS
#define SCROLLING_PAGE_STYLE PAGE_STYLE | WS_VSCROLL

#define LIST_STYLE CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP
#define SPIN_STYLE UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS
// A field the user reads but never types into: no Tab stop.
#define READ_ONLY_FIELD_STYLE ES_AUTOHSCROLL | ES_READONLY | NOT WS_TABSTOP

#define ROW_HEIGHT 18
#define CHECK_HEIGHT 10
#define FIELD_HEIGHT 12
#define LIST_DROP_HEIGHT 120
// Captions start this far right of their check box; labels standing in for a
// hidden check box line up with them.
#define CHECK_CAPTION_INDENT 12

// Left column.
#define LEFT_GROUP_X 4
#define LEFT_GROUP_WIDTH 180
#define LEFT_CHECK_X 10
#define LEFT_CHECK_WIDTH 110
#define LEFT_VALUE_X 124
#define LEFT_LIST_WIDTH 56
#define LEFT_NUMBER_WIDTH 40
#define LEFT_UNIT_X 168

// Right column.
#define RIGHT_GROUP_X 188
#define RIGHT_GROUP_WIDTH 192
#define RIGHT_CHECK_X 194
#define RIGHT_CHECK_WIDTH 110
#define RIGHT_VALUE_X 306
#define RIGHT_VALUE_WIDTH 70
#define RIGHT_SHORT_WIDTH 44
#define RIGHT_UNIT_X 354
// A long value on the line below its check box, EDIT_BELOW units lower.
#define RIGHT_WIDE_X 206
#define RIGHT_WIDE_WIDTH 166
#define EDIT_BELOW 14

// The y of row n of a group whose box starts at `top`.
#define ROW_Y(top, n) ((top) + 12 + (n)*ROW_HEIGHT)
// A check box or label is centred on the field of the row at y.
#define CHECK_AT(y) ((y) + 1)
#define LABEL_AT(y) ((y) + 2)
#define CHECK_Y(top, n) CHECK_AT(ROW_Y(top, n))
#define LABEL_Y(top, n) LABEL_AT(ROW_Y(top, n))
