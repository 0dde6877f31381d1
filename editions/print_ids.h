/* Dialog template and control numbers of printing (Printer Setup). Plain
   #defines: the resource compiler reads this too. */
#ifndef EDITIONS_PRINT_IDS_H
#define EDITIONS_PRINT_IDS_H

#define IDD_PRINT_SETUP          300

#define IDC_PS_PRINTER           3001
#define IDC_PS_PRINTER_NAME      3002
#define IDC_PS_CROP_MARKS        3003
#define IDC_PS_DEFAULT_POSITION  3004
#define IDC_PS_SEPARATE          3005
#define IDC_PS_NEW_PAGE          3006
#define IDC_PS_BORDER            3007
#define IDC_PS_X                 3008
#define IDC_PS_Y                 3009
#define IDC_PS_X2                3010
#define IDC_PS_Y2                3011
#define IDC_PS_MARGIN            3012

#endif
