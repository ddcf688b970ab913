// Resource ids, shared by the resource script and the program.
#pragma once

#define IDD_ABOUTBOX 100
#define IDD_SETTINGS 102
#define IDR_MAINFRAME 128
#define IDC_NULLCURSOR 129
#define IDB_BANNER 133
// The banner drawn for larger display scales: bitmap N drawn for P % is
// resource N + P * 100, which the dialog finds by that rule.
#define IDB_BANNER_150 15133
#define IDB_BANNER_200 20133
#define IDS_DESCRIPTION 1

#define IDC_SPEED 1002
#define IDC_NUMBER 1004
#define IDC_PREVIEW 1006
#define IDC_COLOR 1007
#define IDC_BLANK 1009

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// The system-menu id that opens the About box.
#define IDM_ABOUTBOX 0x0010
