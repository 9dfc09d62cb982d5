// Resource identifiers, grouped by numeric range:
//   100-199    menus and accelerator tables
//   1000-1199  main-menu commands (1900-1909: recent-file entries)
//   1200-1299  context-menu commands of the output editor
//   3000-3099  controls of the main window
//   20000-     user-visible texts (7000-17999 are kept for the help-topic map)
#pragma once

#define IDR_MAINMENU 100
#define IDR_RICHEDITPOPUP 101
#define IDR_ACCELERATORS 102

// Main menu: popups
#define MainMenuFile 1000
#define MMFileRecentFiles 1003
#define MainMenuEdit 1019
#define MainMenuTools 1039
#define MainMenuHistory 1049
#define MMHistConvertedPaths 1053
#define MMHistFindTexts 1054
#define MMHistLineNumbers 1055
#define MainMenuOptions 1059
#define MMOptionsAutocomplete 1058
#define MMOptionsFileSysRedir 1062
#define MMOptionsBasePath 1065
#define MMOptions8dot3NameSupport 1070
#define MMOptionsZoom 1074
#define MainMenuHelp 1089

// File
#define MMFileNew 1001
#define MMFileLoad 1002
#define MMRecentFilesClear 1004
#define MMFileSaveOutput 1005
#define MMFileSaveOutputAs 1006
#define MMFilePrint 1007
#define MMFileBrowse 1008
#define MMFileOpen 1009
#define MMFileOpenWith 1010
#define MMFileOpenLocation 1011
#define MMFileOpenInConsole 1012
#define MMFileOpenInPowerShell 1013
#define MMFileProperties 1014
#define MMFileExit 1015
#define MMRecentFileFirst 1900
#define MMRecentFileLast 1909

// Edit
#define MMEditUndo 1020
#define MMEditRedo 1021
#define MMEditCut 1022
#define MMEditCopy 1023
#define MMEditPaste 1024
#define MMEditDelete 1025
#define MMEditSelAll 1026
#define MMEditClearSel 1027
#define MMEditFind 1028
#define MMEditFindNext 1029
#define MMEditFindPrev 1030
#define MMEditCloseFindPanel 1031
#define MMEditGoTo 1032
#define MMEditCloseGoToPanel 1033
#define MMEditReadOnly 1034

// Tools
#define MMActionConvert 1040
#define MMActionCreateRelPath 1041
#define MMActionListSpecialFolders 1042
#define MMActionListEnvVarPaths 1043

// History
#define MMHistClearFileNames 1050
#define MMHistClearFindTexts 1051
#define MMHistClearLineNums 1052

// Options
#define MMOptionsAutocompleteOn 1060
#define MMOptionsAutocompleteOff 1061
#define MMOptionsFSRedirDisabled 1063
#define MMOptionsFSRedirEnabled 1064
#define MMSetBasePath 1066
#define MMResetBasePath 1067
#define MMBasePathExeDir 1068
#define MMCurrentBasePath 1069
#define MM8Dot3SupportWinDefault 1071
#define MM8Dot3SupportEnableOnAll 1072
#define MM8Dot3SupportDisableOnAll 1073
#define MMZoomIn 1075
#define MMZoomOut 1076
#define MMZoom200Pct 1077
#define MMZoom150Pct 1078
#define MMZoom125Pct 1079
#define MMZoom100Pct 1080
#define MMZoom75Pct 1081
#define MMZoom50Pct 1082
#define MMZoom25Pct 1083
#define MMOptionsPreferences 1084

// Help
#define MMHelpHelp 1090
#define MMHelpHomePage 1091
#define MMHelpCheckForUpdates 1092
#define MMHelpAbout 1093

// Context menu of the output editor
#define RichEditPMUndo 1200
#define RichEditPMRedo 1201
#define RichEditPMCut 1202
#define RichEditPMCopy 1203
#define RichEditPMPaste 1204
#define RichEditPMDel 1205
#define RichEditPMSelAll 1206
#define RichEditPMClearSel 1207
#define RichEditPMFind 1208
#define RichEditPMFindNext 1209
#define RichEditPMFindPrev 1210
#define RichEditPMCloseFindPanel 1211
#define RichEditPMGoTo 1212
#define RichEditPMCloseGoToPanel 1213
#define RichEditPMOpen 1214
#define RichEditPMOpenWith 1215
#define RichEditPMOpenLocation 1216
#define RichEditPMOpenInConsole 1217
#define RichEditPMOpenInPowerShell 1218
#define RichEditPMProperties 1219
#define RichEditPMReadOnly 1220

// Controls of the main window
#define IDC_PANEL1 3000
#define IDC_PATHLABEL 3001
#define IDC_FILENAMECOMBOBOX1 3002
#define IDC_BROWSEBUTTON1 3003
#define IDC_CONVERTBUTTON1 3004
#define IDC_MEMO1 3005
#define IDC_FINDPANEL1 3010
#define IDC_FINDEDIT1 3011
#define IDC_SEARCHDIRDOWNBUTTON1 3012
#define IDC_SEARCHDIRUPBUTTON1 3013
#define IDC_CASESENSITIVECHECKBOX1 3014
#define IDC_CLOSEFINDBARBUTTON1 3015
#define IDC_FINDLABEL1 3016
#define IDC_GOTOPANEL1 3020
#define IDC_LINENUMCOMBOBOX1 3021
#define IDC_GOTOLINETNUMBUTTON1 3022
#define IDC_LINENUMTEXTEDIT1 3023
#define IDC_CLOSEGOTOPANELBUTTON1 3024
#define IDC_STATUSBAR1 3030
#define IDT_BALLOONTIPTIMER1 3040
#define IDT_FIELDBALLOONTIMER 3041

// Texts
#define IDS_APP_TITLE 20000
#define IDS_CAPTION_FORMAT 20001
#define IDS_CAPTION_UNNAMED 20002
#define IDS_UNKNOWN_ERROR 20003
#define IDS_COULD_NOT_OPEN_KEY 20010
#define IDS_INVALID_DATA_TYPE 20011
#define IDS_CLEAR_THIS_LIST 20020
#define IDS_ADD_CONVERTED_PATHS 20021
#define IDS_PATH_CUE_BANNER 20022
#define IDS_ERRONEOUS_COMMAND_LINE 20023
#define IDS_PATH_LABEL 20030
#define IDS_BROWSE_BUTTON 20031
#define IDS_CONVERT_BUTTON 20032
#define IDS_NEXT_BUTTON 20033
#define IDS_PREV_BUTTON 20034
#define IDS_MATCH_CASE 20035
#define IDS_GOTO_BUTTON 20036
#define IDS_CLOSE_PANEL_BUTTON 20037
#define IDS_FIND_LABEL 20038
#define IDS_STATUS_LINE 20040
#define IDS_STATUS_COL 20041
#define IDS_STATUS_NO_MATCHES 20042
#define IDS_STATUS_PATH 20043
#define IDS_STATUS_ONE_MATCH 20044
#define IDS_STATUS_MATCHES 20045
#define IDS_FIND_CUE_BANNER 20046
#define IDS_INVALID_LINE_TITLE 20047
#define IDS_INVALID_LINE_TEXT 20048
#define IDS_NO_TEXT_TITLE 20049
#define IDS_NO_TEXT_TEXT 20052
#define IDS_NOT_AN_INTEGER 20053
#define IDS_REL_FROM_BASE 20060
#define IDS_REL_TO_TARGET 20061
#define IDS_REL_FROM_TARGET 20062
#define IDS_REL_TO_BASE 20063
#define IDS_BASE_PATH_INSTRUCTION 20064
#define IDS_CURRENT_BASE_PATH_HINT 20065
#define IDS_DROP_ERROR_TITLE 20050
#define IDS_DROP_ERROR_TEXT 20051

// Texts of reports and their errors
#define IDS_INSERTION_ERROR 21000
#define IDS_SHORT_FORM_REPORT 21001
#define IDS_LONG_FORM_REPORT 21002
#define IDS_REL_PATH_HEAD 21003
#define IDS_SHORT_EQUIVALENT 21004
#define IDS_LONG_EQUIVALENT 21005
#define IDS_ALIAS_LINE 21006
#define IDS_KNOWN_FOLDER_CHILD 21007
#define IDS_KNOWN_FOLDER_WITH_THE 21008
#define IDS_KNOWN_FOLDER_GUID 21009
#define IDS_KNOWN_FOLDER_IDENTIFIED 21010
#define IDS_CONVERT_ERROR_TITLE 21011
#define IDS_CONVERT_ERROR_TEXT 21012
#define IDS_INVALID_PATH_TITLE 21013
#define IDS_INVALID_PATH_TEXT 21014
#define IDS_BROWSE_INSTRUCTION 21015
#define IDS_SHORT_FORM_ERROR 21016
#define IDS_LONG_FORM_ERROR 21017
#define IDS_ENV_SHORT_FORM_REPORT 21018
#define IDS_PATH_DOESNT_EXIST 21019
#define IDS_ENV_LIST_REPORT 21020
#define IDS_KNOWN_FOLDER_GUID_REPORT 21021
#define IDS_CSIDL_HEAD_NUMBERED 21022
#define IDS_CSIDL_HEAD 21023
#define IDS_OUTPUT_FORMAT 21024
#define IDS_SF_TITLE 21025
#define IDS_SF_LEGEND_CSIDL 21026
#define IDS_SF_LEGEND_GUID 21027
#define IDS_SF_LEGEND_CURRENT 21028
#define IDS_SF_LEGEND_CURRENT_SHORT 21029
#define IDS_SF_LEGEND_DEFAULT 21030
#define IDS_SF_LEGEND_DEFAULT_SHORT 21031
#define IDS_SF_HEADING_VIRTUAL 21032
#define IDS_SF_HEADING_FIXED 21033
#define IDS_SF_HEADING_COMMON 21034
#define IDS_SF_HEADING_PER_USER 21035
#define IDS_SF_NO_CSIDL 21036
#define IDS_SF_CURRENT_PATH 21037
#define IDS_SF_DEFAULT_PATH 21038
#define IDS_SF_NONEXISTING_DEFAULT 21039
#define IDS_SF_TEMP_HEADING 21040
#define IDS_SF_TEMP_NO_GUID 21041
#define IDS_ENV_TITLE 21042
#define IDS_ENV_LEGEND_NAME 21043
#define IDS_ENV_LEGEND_PATH 21044
#define IDS_ENV_LEGEND_SHORT 21045
#define IDS_CANNOT_OPEN_FILE 21046
#define IDS_ATTRIBUTE_ERROR_TITLE 21047
#define IDS_ATTRIBUTE_ERROR_TEXT 21048
#define IDS_ERROR_TITLE 21049
#define IDS_LOAD_ERROR 21050
#define IDS_LOAD_RECENT_ERROR 21051
#define IDS_PRINT_ERROR 21052
#define IDS_SAVE_ERROR 21053
#define IDS_SAVE_TITLE 21054
#define IDS_SAVE_FILTER 21055
#define IDS_NON_TEXT_EXTENSION 21056
#define IDS_LOAD_TITLE 21057
#define IDS_LOAD_FILTER 21058
#define IDS_PRINT_UNNAMED_TITLE 21059
#define IDS_PRINT_UNNAMED_FILE 21060

// Texts of the conversion engine's own status codes and the report line of an ambiguous short name
#define IDS_AMBIGUOUS_SHORT_NAME 21100
#define IDS_EXPANSION_TOO_LONG 21101
#define IDS_AMBIGUOUS_SHORT_NAME_LINE 21102

#include "info_ids.h"
#include "dialogs_ids.h"
#include "name_creation_ids.h"
#include "shell_actions_ids.h"
#include "usage_dialog_ids.h"
#include "about_dialog_ids.h"
#include "preferences_dialog_ids.h"
#include "console_ids.h"
