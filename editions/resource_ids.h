/* Resource and control numbers of the edition resources. Plain #defines:
   the resource compiler reads this too. */
#ifndef EDITIONS_RESOURCE_IDS_H
#define EDITIONS_RESOURCE_IDS_H

#define IDI_PROGRAM          1
#define IDI_LABEL_BODY       100
#define IDI_TEMPLATE         101
#define IDD_ABOUT            110
#define IDR_ACCELERATORS     113
#define IDM_BODY_POPUP       123
#define IDM_SPINE_POPUP      124
#define IDM_TEST             126
#define IDM_PAGE             128
#define IDM_IMAGE_POPUP      133
#define IDM_STRING_POPUP     138
#define IDB_TOOLBAR          148
#define IDD_WARNING          157
#define IDD_GOTO_PAGE        168
#define IDM_HELP             178
#define IDM_IMAGE            179
#define IDM_STRING           180
#define IDM_BODY             181
#define IDM_SPINE            182
#define IDM_FILE             183
#define IDM_LABEL_FORMAT     187
#define IDD_HINT             188
#define IDM_PRINT_ONLY       189
#define IDM_DISK_SIZE        191

/* Controls of the message dialogs. */
#define IDC_HINT_MESSAGE     1301
#define IDC_HINT_HIDE        1302
#define IDC_SAVE_LABEL       1303
#define IDC_GOTO_PAGE        1304
#define IDC_ABOUT_NAME       1305
#define IDC_ABOUT_WEB        1306

#define IDC_TOOLBAR          1234
#define IDC_STATUSBAR        4321

#endif
