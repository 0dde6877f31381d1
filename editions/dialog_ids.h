/* Dialog templates, controls and pictures of the catalog dialogs and of the
   font, colour and string dialogs. Plain #defines: the resource compiler
   reads this too. */
#ifndef EDITIONS_DIALOG_IDS_H
#define EDITIONS_DIALOG_IDS_H

#define IDD_DRIVE             320
#define IDD_EXCLUDE           321
#define IDD_SUBDIRS           322
#define IDD_FILES_FOLDERS     323
#define IDD_CHANGE_FILE       324
#define IDD_COMMENT           325
#define IDD_FONTS_COLORS      330
#define IDD_STRING            331
#define IDD_SPINE_TEXT        332
#define IDD_INITIALS          333

/* Tree rows: file, closed folder, open folder, in that order. */
#define IDI_ROW_FILE          360
#define IDI_ROW_FOLDER_CLOSED 361
#define IDI_ROW_FOLDER_OPEN   362

/* drive */
#define IDC_DRIVE_LIST        1001
#define IDC_DRIVE_LABEL       1076
/* the tree lists and the exclusion list */
#define IDC_LIST              1032
/* exclusion */
#define IDC_EXCLUDE_ADD       1054
#define IDC_EXCLUDE_REMOVE    1056
#define IDC_EXCLUDE_PATTERN   1057
#define IDC_EXCLUDE_CLEAR     1058
#define IDC_EXCLUDE_MODE      1126
#define IDC_INCLUDE_MODE      1127
/* Subdirectory Selection */
#define IDC_OPEN_ALL          1101
#define IDC_CLOSE_ALL         1102
/* Files and Folders Editor */
#define IDC_MOVE_UP           1039
#define IDC_MOVE_DOWN         1040
#define IDC_DELETE_ENTRY      1041
#define IDC_ADD_ENTRY         1042
#define IDC_CHANGE_ENTRY      1043
/* Change File */
#define IDC_ENTRY_NAME        1035
#define IDC_ENTRY_COMMENT     1036
#define IDC_ENTRY_SIZE        1044
#define IDC_ENTRY_ALIGN       1064
/* Comment Entry */
#define IDC_COMMENT_TEXT      1016
#define IDC_MACRO_SHORT_DATE  1111
#define IDC_MACRO_LONG_DATE   1112
#define IDC_MACRO_FILES       1113
#define IDC_MACRO_SPACE_USED  1114
#define IDC_MACRO_SPACE_FREE  1115
#define IDC_COMMENT_SAMPLE    1116
#define IDC_MACRO_PCT_FREE    1117
#define IDC_MACRO_PCT_USED    1118
#define IDC_MACRO_FOLDERS     1119
#define IDC_DEFAULT_AUDIO     1122
#define IDC_DEFAULT_COMMENT   1123
/* Fonts And Colors */
#define IDC_STYLE_LIST        1201
#define IDC_STYLE_COLOR       1202
#define IDC_STYLE_FONT        1203
#define IDC_COPY_FILES        1204
#define IDC_COPY_FOLDERS      1205
#define IDC_EXTENSION_TEXT    1206
#define IDC_EXTENSION_ADD     1207
#define IDC_STYLE_REMOVE      1208
/* String Entry and Modification */
#define IDC_STRING_TEXT       1211
#define IDC_STRING_ROTATION   1212
#define IDC_STRING_HALIGN     1213
#define IDC_STRING_VALIGN     1214
#define IDC_STRING_AUTOSIZE   1215
#define IDC_STRING_APPLY      1216
#define IDC_STRING_COLOR      1217
#define IDC_STRING_BACKGROUND 1218
#define IDC_STRING_FONT       1219
#define IDC_STRING_DEFAULT    1220
/* spine text and initials */
#define IDC_SPINE_TEXT        1221
#define IDC_INITIALS          1231
#define IDC_NUMBER            1232

#endif
