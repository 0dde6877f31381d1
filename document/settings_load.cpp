#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "catalog/labels.h"
#include "catalog/scan_settings.h"
#include "catalog/text_field.h"
#include "document/look.h"
#include "document/program_settings.h"
#include "document/settings.h"
#include "document/settings_bounds.h"
#include "document/settings_key.h"
#include "document/settings_store.h"

namespace {

bool g_loaded = false;

int32_t LoadInt(const char* key, int32_t fallback) {
    int32_t value = fallback;
    if (!ReadSetting(SettingsRoot(), key, &value, 4, SETTING_INT)) value = fallback;
    return value;
}

uint32_t LoadBits(const char* key, uint32_t fallback) {
    uint32_t value = fallback;
    if (!ReadSetting(SettingsRoot(), key, &value, 4, SETTING_COLOR)) value = fallback;
    return value;
}

ColorRef LoadColor(const char* key, ColorRef fallback) { return RgbOnly(LoadBits(key, fallback)); }
int32_t LoadSwitch(const char* key, int32_t fallback) {
    return Switch01(static_cast<int32_t>(LoadBits(key, fallback)));
}

template <size_t N>
void LoadText(const char* key, char (&field)[N], int limit, const char* fallback) {
    // The stored text is cut to the key's limit and to the field.
    int width = limit + 1 < static_cast<int>(N) ? limit + 1 : static_cast<int>(N);
    if (!ReadSetting(SettingsRoot(), key, field, width, SETTING_STRING)) CopyField(field, fallback);
}

// Thousandths of an inch in the store, inches in memory.
double LoadInches(const char* key, int32_t fallback, int32_t low, int32_t high) {
    return ClampInt(LoadInt(key, fallback), low, high) * 0.001;
}

const char* DefaultNumber(const EditionProfile& edition) {
    switch (edition.id) {
    case EDITION_DOVANTEL: return "650";
    case EDITION_WIMBROOK: return "1.44";
    default: return "1,000";
    }
}

void LoadGlobals(const EditionProfile& edition, ViewSettings* view) {
    int8_t drive = 0;
    g_scan.Drive = ReadSetting(SettingsRoot(), "Drive", &drive, 1, SETTING_BYTE) ? SoundDrive(drive) : 0;

    int32_t kind = LoadInt("Labels", 4);
    if (kind < 10) kind = 10;
    view->labelKind = SoundLabelKind(kind, edition);
    g_scan.DispSub = SoundDispSub(LoadInt("DispSub", 1));
    view->fullSize = Switch01(LoadInt("Zoom", 0));
    if (edition.id == EDITION_WIMBROOK) view->fullSize = 1;
    LoadText("Initials", g_settings.Initials, 63, "zip");
    LoadText("Number", g_settings.Number, 7, DefaultNumber(edition));
    g_settings.UseDAT = Switch01(LoadInt("UseDAT", 1));
    // An in-range scale stays even when no menu item offers it.
    view->windowScale = ClampInt(LoadInt("WindScale", 100), kMinWindowScale, kMaxWindowScale) * 0.01;
    g_settings.BackColor = LoadColor("BackColor", kWhite);
    g_settings.CropMarks = LoadSwitch("CropMarks", 0);
    g_settings.Border = ClampInt(static_cast<int32_t>(LoadBits("Border", 0)), 0, 5);
    g_settings.OrigPosition = LoadSwitch("OrigPosition", 1);
    g_settings.MultiPage = LoadSwitch("MultiPage", 0);
    g_settings.Separate = LoadSwitch("Separate", 0);

    bool floppy = edition.id == EDITION_WIMBROOK;
    const int32_t low = -kMaxPlacement, high = kMaxPlacement;
    g_settings.NewPosX = LoadInches("NewPosX", floppy ? 130 : 1000, low, high);
    g_settings.NewPosY = LoadInches("NewPosY", floppy ? 500 : 1000, low, high);
    // The second piece defaults to 1.000 in right of and 4.600 in below the
    // first, counted in whole thousandths.
    g_settings.NewPosX2 = LoadInches("NewPosX2", InchesToThousandths(g_settings.NewPosX) + 1000, low, high);
    g_settings.NewPosY2 = LoadInches("NewPosY2", InchesToThousandths(g_settings.NewPosY) + 4600, low, high);
    g_settings.SideMargin = LoadInches("SideMargin", 100, 0, kMaxSideMargin);

    // The printer chosen in an earlier run. Without a stored printer name
    // (none chosen, or none installed back then) the system's default
    // printer read at window creation stays.
    PrinterNames stored = {};
    ReadSetting(SettingsRoot(), "PrinterName", stored.name, sizeof stored.name, SETTING_STRING);
    ReadSetting(SettingsRoot(), "PortName", stored.port, sizeof stored.port, SETTING_STRING);
    ReadSetting(SettingsRoot(), "DriverName", stored.driver, sizeof stored.driver, SETTING_STRING);
    if (stored.name[0]) g_settings.Printer = stored;
    LoadText("ImagePath", g_settings.ImagePath, 510, "");
    LoadText("LabelPath", g_settings.LabelPath, 510, "");
    int32_t orientation = (floppy || edition.id == EDITION_DOVANTEL) ? 1 : 2;
    g_settings.PrinterOrientation = SoundOrientation(LoadInt("PrinterOrientation", orientation));
    g_settings.PrinterPaperSize = SoundPaperSize(LoadInt("PrinterPaperSize", -1));
    g_scan.ScanArchives = Switch01(LoadInt("ScanArchives", 0));
}

void LoadWindowPositions() {
    for (int w = 0; w < WINDOW_KEY_COUNT; ++w) {
        char key[64];
        std::snprintf(key, sizeof key, "%sX", kWindowKeyNames[w]);
        int32_t x = ClampInt(LoadInt(key, 0), -kMaxScreenCoordinate, kMaxScreenCoordinate);
        std::snprintf(key, sizeof key, "%sY", kWindowKeyNames[w]);
        int32_t y = ClampInt(LoadInt(key, 0), -kMaxScreenCoordinate, kMaxScreenCoordinate);
        g_settings.Windows[w] = {x, y};
    }
}

void LoadExtStyles(ZIPINFO* label, int index) {
    std::free(label->ExtStyles);
    label->ExtStyles = nullptr;
    label->NumExtStyles = 0;
    int32_t count = ClampInt(LoadInt(SettingsKey("Exts%d", index), 0), 0, kMaxExtStyles);
    if (count == 0) return;
    auto* styles = static_cast<ExtStyle*>(std::calloc(static_cast<size_t>(count), sizeof(ExtStyle)));
    if (!styles) return;  // the label simply has no styles
    for (int n = 0; n < count; ++n) {
        ExtStyle& style = styles[n];
        LoadText(SettingsKey("ExtName%d_%d", index, n), style.ExtName, 7, "xxx");
        style.ExtColor = RgbOnly(static_cast<uint32_t>(LoadInt(SettingsKey("ExtColor%d_%d", index, n), 0)));
        ReadFontSetting(SettingsKey("ExtFont%d_%d", index, n), &style.ExtFont);
    }
    label->ExtStyles = styles;
    label->NumExtStyles = count;
}

void LoadLabel(ZIPINFO* label, int index, const EditionProfile& edition) {
    label->Columns = LoadInt(SettingsKey("Columns%d", index), 3);
    label->Lined = LoadInt(SettingsKey("Lined%d", index), 1);
    SoundColumns(&label->Columns, &label->Lined);
    label->SortMode = SoundSortMode(LoadInt(SettingsKey("SortMode%d", index), 1));
    label->Direction = SoundDirection(LoadInt(SettingsKey("Direction%d", index), 1));
    label->ShowSize = Switch01(LoadInt(SettingsKey("ShowSize%d", index), DefaultShowSize(edition)));
    label->ShowExt = Switch01(LoadInt(SettingsKey("ShowExt%d", index), 1));
    label->ShowComm = Switch01(LoadInt(SettingsKey("ShowComm%d", index), DefaultShowComm(edition)));
    label->ShowZip = Switch01(LoadInt(SettingsKey("ShowZip%d", index), 1));
    label->LblFmt = ClampInt(LoadInt(SettingsKey("LblFmt%d", index), 0), 0, 6);
    label->Opposing = Switch01(LoadInt(SettingsKey("Opposing%d", index), DefaultOpposing(edition)));
    label->BkgndColor = LoadColor(SettingsKey("BkgndColor%d", index), kWhite);
    ReadFontSetting(SettingsKey("Font%d", index), &label->Font);
    label->FontColor = LoadColor(SettingsKey("FontColor%d", index), 0);
    ReadFontSetting(SettingsKey("DirFont%d", index), &label->DirFont);
    label->DirFontColor = LoadColor(SettingsKey("DirFontColor%d", index), 0);
    ReadFontSetting(SettingsKey("CommFont%d", index), &label->CommFont);
    label->CommFontColor = LoadColor(SettingsKey("CommFontColor%d", index), 0);
    LoadText(SettingsKey("Comment%d", index), label->Comment, 254, kDefaultComment);
    ReadFontSetting(SettingsKey("SpineFont%d", index), &label->SpineFont);
    label->SpineFontColor = LoadColor(SettingsKey("SpineFontColor%d", index), 0);
    label->SpineBkgndColor = LoadColor(SettingsKey("SpineBkgndColor%d", index), kWhite);
    label->SpineAlign = ClampInt(LoadInt(SettingsKey("SpineAlign%d", index), 0), 0, 2);
    label->ZipColor = Switch01(LoadInt(SettingsKey("ZipColor%d", index), 0));
    LoadExtStyles(label, index);
    InvalidateLayout(label);
}

void LoadExclusionList() {
    g_scan.ExcludeMode = Switch01(LoadInt("ExcludeMode", 1));
    int32_t count = ClampInt(LoadInt("NumExclude", 0), 0, kMaxExcludePatterns);
    FreeExcludePatterns();
    if (count > 0) {
        auto* patterns = static_cast<char(*)[32]>(std::calloc(static_cast<size_t>(count), 32));
        if (patterns) {
            for (int i = 0; i < count; ++i) {
                char fallback[16];
                std::snprintf(fallback, sizeof fallback, "%03d", i);
                LoadText(SettingsKey("Exclude%d", i), patterns[i], 31, fallback);
            }
            g_scan.Exclude = patterns;
            g_scan.NumExclude = count;
        }
    }
    if (g_scan.NumExclude == 0) g_scan.ExcludeMode = 1;
}

}  // namespace

void LoadSettings(const EditionProfile& edition, ViewSettings* view) {
    LoadGlobals(edition, view);
    LoadWindowPositions();
    for (int i = 0; i < g_labelCount; ++i) LoadLabel(&g_labelRecords[i], i, edition);
    for (int i = 0; i < kCustomColorCount; ++i) g_settings.CustColors[i] = LoadColor(SettingsKey("CustColor%d", i), 0);
    for (int i = 0; i < kHintCount; ++i) g_settings.HideDummy[i] = Switch01(LoadInt(SettingsKey("HideDummy%d", i), 0));
    LoadExclusionList();
    for (int i = 0; i < kRecentCount; ++i) LoadText(SettingsKey("Recent%d", i), g_settings.Recent[i], 255, "");
    g_scan.DirComm = ClampInt(LoadInt("DirComm", 0), 0, 2);
    g_loaded = true;
}

bool SettingsLoaded() { return g_loaded; }
void ForgetLoadedSettings() { g_loaded = false; }

bool TakeMissingDrive() {
    if (g_scan.Drive != 0) return false;
    g_scan.Drive = 'C';
    return true;
}
