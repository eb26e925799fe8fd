// Identifiers of Glintview's resources and controls, shared by the code and the .rc file.
#pragma once

#define IDI_GLINTVIEW 1
#define IDD_GLINTVIEW 100
#define IDD_GLINTVIEW_ABOUT 101
#define IDR_GLINTVIEW_MENU 102
#define IDR_GLINTVIEW_KEYS 103

// The main window's controls.
#define IDC_GROUPS_LABEL 1000
#define IDC_GROUPS 1001
#define IDC_IMAGES_LABEL 1002
#define IDC_IMAGES 1003
#define IDC_PREVIEW_LABEL 1004
#define IDC_PREVIEW 1005
#define IDC_STATUS 1006

// The About box's controls.
#define IDC_ABOUT_ICON 1100
#define IDC_ABOUT_NAME 1101

// Menu commands.
#define IDM_OPEN 40001
#define IDM_SAVE_GROUP 40002
#define IDM_GATHER 40003
#define IDM_EXIT 40004
#define IDM_COPY_IMAGE 40005
#define IDM_ABOUT 40006
