// Resource and control identifiers of the icon picker, shared by its template, its code and
// the tests that drive it.
#pragma once

#define IDD_PICK_ICON 100

#define IDC_PICK_FILE_LABEL 1001
#define IDC_PICK_FILE 1002
#define IDC_PICK_BROWSE 1003
#define IDC_PICK_LIST_LABEL 1004
#define IDC_PICK_LIST 1005
#define IDC_PICK_MESSAGE 1006
#define IDC_PICK_RESTORE_DEFAULT 1007
#define IDC_PICK_RESTORE_CURRENT 1008
