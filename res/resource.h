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
