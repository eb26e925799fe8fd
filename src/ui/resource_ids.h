// Identifiers of the program's resources and controls, shared by the code and the .rc file.
#pragma once

#define IDD_MAIN_WINDOW 102
#define IDI_PROGRAM 128
#define IDC_APPLY 1000
#define IDC_HELP_BUTTON 1052
#define IDC_PAGE_LIST 1034
#define IDS_APP_TITLE 57344

// Private commands of the main window.
#define IDM_CHANGE_MADE 1125
#define IDM_LOAD_HANDED_PACKAGE 1324

// The Package Info dialog and its edits.
#define IDD_PACKAGE_INFO 272
#define IDC_INFO_WEBSITE 1057
#define IDC_INFO_COMMENTS 1058
#define IDC_INFO_AUTHOR 1059
#define IDC_INFO_EMAIL 1060
