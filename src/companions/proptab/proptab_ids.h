// Resource and control ids of the "Icon" tab, shared by the resource script, the page and
// the tests that drive it.
#pragma once

#define IDD_ICON_TAB 100
#define IDC_PREVIEW 1001
#define IDC_ICON_FILE 1002
#define IDC_ICON_INDEX 1003
#define IDC_ORIGIN 1004
#define IDC_CHANGE_ICON 1005
