#include <cstdio>

#include "catalog/labels.h"
#include "catalog/scan_settings.h"
#include "document/program_settings.h"
#include "document/settings.h"
#include "document/settings_bounds.h"
#include "document/settings_key.h"
#include "document/settings_store.h"

namespace {


void SaveInt(const char* key, int32_t value) { WriteSetting(SettingsRoot(), key, &value, 4, SETTING_INT); }
void SaveBits(const char* key, uint32_t value) { WriteSetting(SettingsRoot(), key, &value, 4, SETTING_COLOR); }
template <size_t N>
void SaveText(const char* key, const char (&field)[N]) {
    WriteSetting(SettingsRoot(), key, field, static_cast<int>(N), SETTING_STRING);
}

void SaveGlobals(const EditionProfile& edition, const ViewSettings& view) {
    // No drive chosen yet: leave the key out so the next start asks again.
    if (g_scan.Drive != 0) {
        int8_t drive = static_cast<int8_t>(g_scan.Drive);
        WriteSetting(SettingsRoot(), "Drive", &drive, 1, SETTING_BYTE);
    }
    SaveInt("Labels", view.labelKind);
    SaveInt("DispSub", g_scan.DispSub);
    SaveInt("Zoom", view.fullSize);
    SaveInt("UseDAT", g_settings.UseDAT);
    SaveInt("WindScale", ScaleToPercent(view.windowScale));
    SaveInt("NewPosX", InchesToThousandths(g_settings.NewPosX));
    SaveInt("NewPosY", InchesToThousandths(g_settings.NewPosY));
    SaveInt("NewPosX2", InchesToThousandths(g_settings.NewPosX2));
    SaveInt("NewPosY2", InchesToThousandths(g_settings.NewPosY2));
    SaveInt("SideMargin", InchesToThousandths(g_settings.SideMargin));
    SaveBits("BackColor", g_settings.BackColor);
    SaveBits("CropMarks", static_cast<uint32_t>(g_settings.CropMarks));
    SaveBits("Border", static_cast<uint32_t>(g_settings.Border));
    SaveBits("OrigPosition", static_cast<uint32_t>(g_settings.OrigPosition));
    SaveBits("MultiPage", static_cast<uint32_t>(g_settings.MultiPage));
    SaveBits("Separate", static_cast<uint32_t>(g_settings.Separate));
    SaveText("PrinterName", g_settings.Printer.name);
    SaveText("PortName", g_settings.Printer.port);
    SaveText("DriverName", g_settings.Printer.driver);
    SaveText("ImagePath", g_settings.ImagePath);
    SaveText("LabelPath", g_settings.LabelPath);
    SaveInt("PrinterOrientation", g_settings.PrinterOrientation);
    SaveInt("PrinterPaperSize", g_settings.PrinterPaperSize);
    SaveInt("ScanArchives", g_scan.ScanArchives);
    // Only Kestrin's disk size menu changes the capacity text.
    if (edition.id == EDITION_KESTRIN) SaveText("Number", g_settings.Number);
}

void SaveWindowPositions() {
    for (int w = 0; w < WINDOW_KEY_COUNT; ++w) {
        ScreenPosition p = g_settings.Windows[w];
        char key[64];
        std::snprintf(key, sizeof key, "%sX", kWindowKeyNames[w]);
        SaveInt(key, p.x);
        std::snprintf(key, sizeof key, "%sY", kWindowKeyNames[w]);
        SaveInt(key, p.y);
    }
}

void SaveLabel(const ZIPINFO* label, int index) {
    SaveInt(SettingsKey("SortMode%d", index), label->SortMode);
    SaveInt(SettingsKey("Direction%d", index), label->Direction);
    SaveInt(SettingsKey("Columns%d", index), label->Columns);
    SaveInt(SettingsKey("Lined%d", index), label->Lined);
    SaveInt(SettingsKey("ShowSize%d", index), label->ShowSize);
    SaveInt(SettingsKey("ShowExt%d", index), label->ShowExt);
    SaveInt(SettingsKey("ShowComm%d", index), label->ShowComm);
    SaveInt(SettingsKey("ShowZip%d", index), label->ShowZip);
    SaveInt(SettingsKey("LblFmt%d", index), label->LblFmt);
    SaveInt(SettingsKey("Opposing%d", index), label->Opposing);
    SaveBits(SettingsKey("BkgndColor%d", index), label->BkgndColor);
    WriteFontSetting(SettingsKey("Font%d", index), &label->Font);
    SaveBits(SettingsKey("FontColor%d", index), label->FontColor);
    WriteFontSetting(SettingsKey("DirFont%d", index), &label->DirFont);
    SaveBits(SettingsKey("DirFontColor%d", index), label->DirFontColor);
    WriteFontSetting(SettingsKey("CommFont%d", index), &label->CommFont);
    SaveBits(SettingsKey("CommFontColor%d", index), label->CommFontColor);
    SaveText(SettingsKey("Comment%d", index), label->Comment);
    WriteFontSetting(SettingsKey("SpineFont%d", index), &label->SpineFont);
    SaveBits(SettingsKey("SpineFontColor%d", index), label->SpineFontColor);
    SaveBits(SettingsKey("SpineBkgndColor%d", index), label->SpineBkgndColor);
    SaveInt(SettingsKey("SpineAlign%d", index), label->SpineAlign);
    SaveInt(SettingsKey("ZipColor%d", index), label->ZipColor);
    int count = label->ExtStyles ? label->NumExtStyles : 0;
    SaveInt(SettingsKey("Exts%d", index), count);
    for (int n = 0; n < count; ++n) {
        const ExtStyle& style = label->ExtStyles[n];
        SaveText(SettingsKey("ExtName%d_%d", index, n), style.ExtName);
        SaveInt(SettingsKey("ExtColor%d_%d", index, n), static_cast<int32_t>(style.ExtColor));
        WriteFontSetting(SettingsKey("ExtFont%d_%d", index, n), &style.ExtFont);
    }
}

}  // namespace

void SaveSettings(const EditionProfile& edition, const ViewSettings& view) {
    if (!SettingsLoaded()) return;
    SaveGlobals(edition, view);
    SaveWindowPositions();
    for (int i = 0; i < g_labelCount; ++i) SaveLabel(&g_labelRecords[i], i);
    for (int i = 0; i < kCustomColorCount; ++i) SaveBits(SettingsKey("CustColor%d", i), g_settings.CustColors[i]);
    for (int i = 0; i < kHintCount; ++i) SaveInt(SettingsKey("HideDummy%d", i), g_settings.HideDummy[i]);
    SaveInt("ExcludeMode", g_scan.ExcludeMode);
    int patterns = g_scan.Exclude ? g_scan.NumExclude : 0;
    SaveInt("NumExclude", patterns);
    for (int i = 0; i < patterns; ++i) SaveText(SettingsKey("Exclude%d", i), g_scan.Exclude[i]);
    for (int i = 0; i < kRecentCount; ++i) SaveText(SettingsKey("Recent%d", i), g_settings.Recent[i]);
    SaveInt("DirComm", g_scan.DirComm);
}
