#include "document/settings_table.h"

#include <cstdlib>
#include <iterator>

#include "document/look.h"
#include "document/look_schema.h"
#include "document/settings_bounds.h"

namespace {

int HeldPatterns(const SettingsPlace& p) { return p.scan->Exclude ? p.scan->NumExclude : 0; }

void ReplacePatterns(const SettingsPlace& p, int count) {
    ScanSettings* scan = p.scan;
    std::free(scan->Exclude);
    scan->Exclude = nullptr;
    scan->NumExclude = 0;
    if (count > 0) {
        scan->Exclude = static_cast<char(*)[32]>(std::calloc(static_cast<size_t>(count), 32));
        if (scan->Exclude) scan->NumExclude = count;
    }
    // An empty list forces the exclusion mode: including only the matches
    // of no pattern would list nothing.
    if (scan->NumExclude == 0) scan->ExcludeMode = 1;
}

// A row's field: in the view, scan or program settings, or the printer
// being read or written. A label's keys are the look schema's.
#define VIEW(f) [](const SettingsPlace& p, int) { return Field(p.view->f); }
#define SCAN(f) [](const SettingsPlace& p, int) { return Field(p.scan->f); }
#define PROGRAM(f) [](const SettingsPlace& p, int) { return Field(p.program->f); }
#define PROGRAM_AT(f) [](const SettingsPlace& p, int i) { return Field(p.program->f[i]); }
#define PRINTER(f) [](const SettingsPlace& p, int) { return Field(p.printer->f); }

constexpr FieldOf kNoField = nullptr;

constexpr SettingRow kPatternRows[] = {
    {"Exclude%d", KEY_TEXT, RULE_INDEX_TEXT, kNoFallback, [](const SettingsPlace& p, int i) { return Field(p.scan->Exclude[i]); },
     1, 0, 31},
};
constexpr SettingList kPatterns = {kPatternRows, 1, HeldPatterns, ReplacePatterns};

constexpr unsigned kKestrinOnly = EditionBit(EDITION_KESTRIN);
constexpr int kPlacement = kMaxPlacement;
constexpr int kScreen = kMaxScreenCoordinate;

// The whole store in reading order.
constexpr SettingRow kRows[] = {
    // key                   store         rule              default                 field                 save  low  high
    {"Drive",                KEY_BYTE,     RULE_DRIVE,       Same(0),                SCAN(Drive),          1},
    {"Labels",               KEY_INT,      RULE_LABEL_KIND,  Same(4),                VIEW(labelKind),      2},
    {"DispSub",              KEY_INT,      RULE_DISP_SUB,    Same(1),                SCAN(DispSub),        3},
    {"Zoom",                 KEY_INT,      RULE_ZOOM,        Same(0),                VIEW(fullSize),       4},
    // Both written at once by the initials dialog; at exit "Initials"
    // never, "Number" only in Kestrin, whose disk size menu changes it.
    {"Initials",             KEY_TEXT,     RULE_NONE,        Text("zip"),            PROGRAM(Initials),    0,    0,   63,
     kAllEditions, true},
    {"Number",               KEY_TEXT,     RULE_NONE,        Texts("1,000", "650", "1.44"), PROGRAM(Number), 26, 0,   7,
     kKestrinOnly, true},
    {"UseDAT",               KEY_INT,      RULE_SWITCH,      Same(1),                PROGRAM(UseDAT),      5},
    {"WindScale",            KEY_INT,      RULE_PERCENT,     Same(100),              VIEW(windowScale),    6,    kMinWindowScale, kMaxWindowScale},
    {"BackColor",            KEY_BITS,     RULE_RGB,         Same(kWhite),           PROGRAM(BackColor),   12},
    {"CropMarks",            KEY_BITS,     RULE_SWITCH,      Same(0),                PROGRAM(CropMarks),   13},
    {"Border",               KEY_BITS,     RULE_CLAMP,       Same(0),                PROGRAM(Border),      14,   0,   5},
    {"OrigPosition",         KEY_BITS,     RULE_SWITCH,      Same(1),                PROGRAM(OrigPosition), 15},
    {"MultiPage",            KEY_BITS,     RULE_SWITCH,      Same(0),                PROGRAM(MultiPage),   16},
    {"Separate",             KEY_BITS,     RULE_SWITCH,      Same(0),                PROGRAM(Separate),    17},
    {"NewPosX",              KEY_INT,      RULE_INCHES,      Each(1000, 1000, 130),  PROGRAM(NewPosX),     7,    -kPlacement, kPlacement},
    {"NewPosY",              KEY_INT,      RULE_INCHES,      Each(1000, 1000, 500),  PROGRAM(NewPosY),     8,    -kPlacement, kPlacement},
    // The second piece defaults to 1.000 in right of and 4.600 in below the
    // first, counted in whole thousandths.
    {"NewPosX2",             KEY_INT,      RULE_INCHES,      Following(&ProgramSettings::NewPosX, 1000), PROGRAM(NewPosX2), 9, -kPlacement, kPlacement},
    {"NewPosY2",             KEY_INT,      RULE_INCHES,      Following(&ProgramSettings::NewPosY, 4600), PROGRAM(NewPosY2), 10, -kPlacement, kPlacement},
    {"SideMargin",           KEY_INT,      RULE_INCHES,      Same(100),              PROGRAM(SideMargin),  11,   0,   kMaxSideMargin},
    {"PrinterName",          KEY_TEXT,     RULE_NONE,        kNoFallback,            PRINTER(name),        18,   0,   254},
    {"PortName",             KEY_TEXT,     RULE_NONE,        kNoFallback,            PRINTER(port),        19,   0,   254},
    {"DriverName",           KEY_TEXT,     RULE_PRINTER,     kNoFallback,            PRINTER(driver),      20,   0,   254},
    {"ImagePath",            KEY_TEXT,     RULE_NONE,        Text(""),               PROGRAM(ImagePath),   21,   0,   510},
    {"LabelPath",            KEY_TEXT,     RULE_NONE,        Text(""),               PROGRAM(LabelPath),   22,   0,   510},
    {"PrinterOrientation",   KEY_INT,      RULE_ORIENTATION, Each(2, 1, 1),          PROGRAM(PrinterOrientation), 23},
    {"PrinterPaperSize",     KEY_INT,      RULE_PAPER_SIZE,  Same(-1),               PROGRAM(PrinterPaperSize), 24},
    {"ScanArchives",         KEY_INT,      RULE_SWITCH,      Same(0),                SCAN(ScanArchives),   25},
    {"%s",                   KEY_POSITION, RULE_CLAMP,       Same(0),                PROGRAM_AT(Windows),  27,   -kScreen, kScreen,
     kAllEditions, false, WINDOW_KEY_COUNT},
    {"",                     KEY_LABELS,   RULE_NONE,        kNoFallback,            kNoField,             28,   0,   0,
     kAllEditions, false, 1, &kLabelKeys},
    {"CustColor%d",          KEY_BITS,     RULE_RGB,         Same(0),                PROGRAM_AT(CustColors), 29, 0,   0,
     kAllEditions, false, kCustomColorCount},
    {"HideDummy%d",          KEY_INT,      RULE_SWITCH,      Same(0),                PROGRAM_AT(HideDummy), 30,  0,   0,
     kAllEditions, false, kHintCount},
    {"ExcludeMode",          KEY_INT,      RULE_SWITCH,      Same(1),                SCAN(ExcludeMode),    31},
    {"NumExclude",           KEY_LIST,     RULE_CLAMP,       Same(0),                kNoField,             32,   0,   kMaxExcludePatterns,
     kAllEditions, false, 1, &kPatterns},
    {"Recent%d",             KEY_TEXT,     RULE_NONE,        Text(""),               PROGRAM_AT(Recent),   33,   0,   255,
     kAllEditions, false, kRecentCount},
    {"DirComm",              KEY_INT,      RULE_CLAMP,       Same(0),                SCAN(DirComm),        34,   0,   2},
};

#undef VIEW
#undef SCAN
#undef PROGRAM
#undef PROGRAM_AT
#undef PRINTER

static_assert(IsAnOrder(kRows, static_cast<int>(std::size(kRows))), "the exit's order of the store's keys");

}  // namespace

const SettingTable kSettingsTable = {kRows, static_cast<int>(std::size(kRows))};
