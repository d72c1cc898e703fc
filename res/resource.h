// The wizard's resource ids, for the resource script and the code that loads them.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDR_MAINFRAME 128
#define IDD_INTRO 129
#define IDD_JOB_PROGRESS 130
#define IDD_COMM 131
#define IDD_FINISH 132

#define IDC_1003 1003
#define IDC_1005 1005
#define IDC_1006 1006
#define IDC_1007 1007

// The system menu's About item.
#define ID_SYS_ABOUT 16

// Controls of the Win32 wizard beyond the numbered ones.
#define IDD_ADD_NETWORK_PORT 133
#define IDC_INTRO_TEXT 1010
#define IDC_QUICK_SEARCH 1011
#define IDC_PORT_DEVICE 1012
#define IDC_ADD_NETWORK_PORT 1013
#define IDC_FINISH_TEXT 1014
#define IDC_PROBING 1015
#define IDC_REMAINING 1016
#define IDC_ABOUT_NAME 1017
#define IDC_ABOUT_TEXT 1018
#define IDC_ADDRESS 1019
#define IDC_ADDRESS_PROMPT 1020
#define IDC_DEMO_TEXT 1021
#define IDC_ABOUT_COPYRIGHT 1022
#define IDC_ABOUT_WEB 1023
#define IDC_PROGRESS_NAME 1024
#define IDC_FINISH_NAME 1025
