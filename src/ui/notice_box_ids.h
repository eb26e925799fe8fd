// Identifiers of the notice box's template and controls, shared by the code and the .rc file.
#pragma once

#define IDD_NOTICE_BOX 285
#define IDC_NOTICE_ICON 1079
#define IDC_NOTICE_TEXT 1074
#define IDC_NOTICE_DONT_SHOW 1073
// The button row, left to right; they take the identifiers of the answers they stand for.
#define IDC_NOTICE_BUTTON_FIRST 1077
#define IDC_NOTICE_BUTTON_SECOND 1052
#define IDC_NOTICE_BUTTON_THIRD 1078
