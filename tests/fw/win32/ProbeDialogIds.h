#pragma once
#define IDD_PROBE 200
#define IDC_PROBE_BAR 1002
#define IDC_PROBE_CHECK 1009
#define IDC_PROBE_AREA 1006
