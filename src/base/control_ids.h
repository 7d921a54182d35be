#pragma once

/* Control, dialog and command ids of the program's windows. Plain #defines: a resource compiler
   reads this header too. */

/* Dialog templates */
#define IDD_ABOUTBOX 100
#define IDD_MAIN_DIALOG 102
#define IDD_COMPORT 104
#define IDD_CONFIGURATION 110
#define IDD_STATION_EDIT 111
#define IDD_STATION_FILE 112

#define IDS_ABOUTBOX 101
#define IDM_ABOUTBOX 16

/* Standard button and answer ids */
#define IDOK 1
#define IDCANCEL 2
#define IDYES 6
#define IDNO 7

/* Main dialog (template 102) */
#define IDC_PBS_ON 1002
#define IDC_SQUELCH_SLIDER 1004
#define IDC_VOLUME_SLIDER 1005
#define IDC_PBS_SLIDER 1006
#define IDC_VOLUME_ON 1007
#define IDC_SQUELCH_ON 1008
#define IDC_STATION_LIST 1009
#define IDC_ADD 1010
#define IDC_EDIT 1011
#define IDC_DELETE 1012
#define IDC_STATION_FILE 1013
#define IDC_SIGNAL_ON 1014
#define IDC_LINE_SLIDER 1015
#define IDC_UPDATE 1016
#define IDC_UP 1017
#define IDC_DOWN 1018
#define IDC_FREQUENCY_ENTRY 1019
#define IDC_ENTER 1020
#define IDC_LINE_ON 1024
#define IDC_STEP_1HZ 1028
#define IDC_STEP_5HZ 1027
#define IDC_STEP_10HZ 1025
#define IDC_STEP_50HZ 1026
#define IDC_STEP_100HZ 1023
#define IDC_STEP_500HZ 1029
#define IDC_STEP_1KHZ 1030
#define IDC_STEP_5KHZ 1031
#define IDC_STEP_9KHZ 1032
#define IDC_STEP_10KHZ 1059
#define IDC_STEP_50KHZ 1033
#define IDC_STEP_100KHZ 1064
#define IDC_MODE_AM 1034
#define IDC_MODE_USB 1037
#define IDC_MODE_LSB 1036
#define IDC_MODE_CW 1050
#define IDC_AGC_SLOW 1056
#define IDC_AGC_MED 1061
#define IDC_AGC_FAST 1062
#define IDC_RANGE_0 1035
#define IDC_RANGE_1 1038
#define IDC_RANGE_2 1040
#define IDC_RANGE_3 1039
#define IDC_FILTER_POS_0 1041
#define IDC_FILTER_POS_1 1044
#define IDC_FILTER_POS_2 1047
#define IDC_FILTER_POS_3 1042
#define IDC_FILTER_POS_4 1045
#define IDC_FILTER_POS_5 1048
#define IDC_FILTER_POS_6 1043
#define IDC_FILTER_POS_7 1046
#define IDC_FILTER_POS_8 1049
#define IDC_TUNE 1052
#define IDC_ZEL 1053
#define IDC_CONFIG 1051
#define IDC_CONT_UP 1060
#define IDC_CONT_DOWN 1063
#define IDC_FREQUENCY_DISPLAY 1065
#define IDC_SIGNAL_METER 1066
#define IDC_SQUELCH_LAMP 1067
#define IDC_PBS_TEXT 1068
#define IDC_STATION_FILE_NAME 1069
#define IDC_UTC_TIME 1070
#define IDC_FAST 1071
/* Broadcast schedule: the "Sched" button and the line of stations on air under the readout */
#define IDC_SCHEDULE 1100
#define IDC_ON_AIR 1101

/* COM-port choice (template 104) */
#define IDC_CHOOSE_COM1 1023
#define IDC_CHOOSE_COM2 1034
#define IDC_CHOOSE_COM3 1025
#define IDC_CHOOSE_COM4 1026

/* About (template 100) */
#define IDC_ABOUT_FIRMWARE 1073
#define IDC_ABOUT_VERSION 1091
/* The last static line: the main window's one-key commands */
#define IDC_ABOUT_KEYS 1098

/* Configuration (template 110) */
#define IDC_CFG_TIME_SLOW 1001
#define IDC_CFG_TIME_FAST 1002
#define IDC_CFG_CORRECTION1 1019
#define IDC_CFG_CORRECTION2 1020
#define IDC_CFG_COM1 1074
#define IDC_CFG_COM2 1075
#define IDC_CFG_COM3 1076
#define IDC_CFG_COM4 1077
#define IDC_CFG_KHZ 1078
#define IDC_CFG_MHZ 1079
#define IDC_CFG_CW_FREQUENCY 1080
#define IDC_CFG_POINT1 1092
#define IDC_CFG_POINT2 1093
/* Linux only: the device path each COM port leads to */
#define IDC_CFG_PATH_COM1 1094
#define IDC_CFG_PATH_COM2 1095
#define IDC_CFG_PATH_COM3 1096
#define IDC_CFG_PATH_COM4 1097
/* Linux only: why the chosen port cannot be opened (static, empty when it can) */
#define IDC_CFG_PORT_PROBLEM 1099

/* Station edit (template 111) */
#define IDC_EDIT_NAME 1001
#define IDC_EDIT_FREQUENCY 1019
#define IDC_EDIT_MODE_AM 1081
#define IDC_EDIT_MODE_USB 1024
#define IDC_EDIT_MODE_LSB 1082
#define IDC_EDIT_MODE_CW 1083
#define IDC_EDIT_AGC_SLOW 1084
#define IDC_EDIT_AGC_MED 1085
#define IDC_EDIT_AGC_FAST 1086
#define IDC_EDIT_PBSHIFT 1088
#define IDC_EDIT_FILTER 1089

/* Station file (template 112) */
#define IDC_FILE_NEW 1090
#define IDC_FILE_OPEN 1091
#define IDC_FILE_SAVE 1092
#define IDC_FILE_SAVE_AS 1093
