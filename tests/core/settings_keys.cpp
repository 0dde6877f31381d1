#include "tests/core/settings_keys.h"

namespace {

const char* const kWindows[] = {"MainWindow",     "ColorWindow",    "FontWindow",       "ExtWindow",
                                "AboutWindow",    "DriveWindow",    "SubdirWindow",     "LabelWindow",
                                "CommentWindow",  "StringWindow",   "DirtyWindow",      "PrintSetupWindow",
                                "GotoPageWindow", "ChangeFileWindow", "InitialsWindow", "ExcludeWindow",
                                "DummyWindow"};

const char* const kFontParts[] = {"lfHeight",       "lfWidth",       "lfEscapement",    "lfOrientation",
                                  "lfWeight",       "lfItalic",      "lfStrikeOut",     "lfCharSet",
                                  "lfOutPrecision", "lfClipPrecision", "lfQuality",     "lfPitchAndFamily",
                                  "lfFaceName"};

void Font(std::vector<std::string>* keys, const std::string& prefix) {
    for (const char* part : kFontParts) keys->push_back(prefix + "_" + part);
}

void Windows(std::vector<std::string>* keys) {
    for (const char* w : kWindows) {
        keys->push_back(std::string(w) + "X");
        keys->push_back(std::string(w) + "Y");
    }
}

void Styles(std::vector<std::string>* keys, int label, int count) {
    std::string l = std::to_string(label);
    keys->push_back("Exts" + l);
    for (int n = 0; n < count; ++n) {
        std::string suffix = l + "_" + std::to_string(n);
        keys->push_back("ExtName" + suffix);
        keys->push_back("ExtColor" + suffix);
        Font(keys, "ExtFont" + suffix);
    }
}

void Tail(std::vector<std::string>* keys, int patterns) {
    for (int i = 0; i < 16; ++i) keys->push_back("CustColor" + std::to_string(i));
    for (int i = 0; i < 32; ++i) keys->push_back("HideDummy" + std::to_string(i));
    keys->push_back("ExcludeMode");
    keys->push_back("NumExclude");
    for (int i = 0; i < patterns; ++i) keys->push_back("Exclude" + std::to_string(i));
    for (int i = 0; i < 5; ++i) keys->push_back("Recent" + std::to_string(i));
    keys->push_back("DirComm");
}

int StylesOf(const std::vector<int>& extStyles, int label) {
    return label < static_cast<int>(extStyles.size()) ? extStyles[label] : 0;
}

// A label's keys from its first font to its extension styles: the same
// order for loading and saving.
void FontsAndStyles(std::vector<std::string>* keys, int i, const std::vector<int>& extStyles) {
    std::string l = std::to_string(i);
    Font(keys, "Font" + l);
    keys->push_back("FontColor" + l);
    Font(keys, "DirFont" + l);
    keys->push_back("DirFontColor" + l);
    Font(keys, "CommFont" + l);
    keys->push_back("CommFontColor" + l);
    keys->push_back("Comment" + l);
    Font(keys, "SpineFont" + l);
    for (const char* k : {"SpineFontColor", "SpineBkgndColor", "SpineAlign", "ZipColor"}) keys->push_back(k + l);
    Styles(keys, i, StylesOf(extStyles, i));
}

}  // namespace

std::vector<std::string> ExpectedLoadOrder(const EditionProfile& edition, const std::vector<int>& extStyles,
                                           int patterns) {
    std::vector<std::string> keys = {"Drive",       "Labels",      "DispSub",     "Zoom",         "Initials",
                                     "Number",      "UseDAT",      "WindScale",   "BackColor",    "CropMarks",
                                     "Border",      "OrigPosition", "MultiPage",  "Separate",     "NewPosX",
                                     "NewPosY",     "NewPosX2",    "NewPosY2",    "SideMargin",   "PrinterName",
                                     "PortName",    "DriverName",  "ImagePath",   "LabelPath",    "PrinterOrientation",
                                     "PrinterPaperSize", "ScanArchives"};
    Windows(&keys);
    for (int i = 0; i < edition.labelCount; ++i) {
        std::string l = std::to_string(i);
        for (const char* k : {"Columns", "Lined", "SortMode", "Direction", "ShowSize", "ShowExt", "ShowComm",
                              "ShowZip", "LblFmt", "Opposing", "BkgndColor"})
            keys.push_back(k + l);
        FontsAndStyles(&keys, i, extStyles);
    }
    Tail(&keys, patterns);
    return keys;
}

std::vector<std::string> ExpectedSaveOrder(const EditionProfile& edition, const std::vector<int>& extStyles,
                                           int patterns) {
    std::vector<std::string> keys = {"Drive",       "Labels",      "DispSub",      "Zoom",      "UseDAT",
                                     "WindScale",   "NewPosX",     "NewPosY",      "NewPosX2",  "NewPosY2",
                                     "SideMargin",  "BackColor",   "CropMarks",    "Border",    "OrigPosition",
                                     "MultiPage",   "Separate",    "PrinterName",  "PortName",  "DriverName",
                                     "ImagePath",   "LabelPath",   "PrinterOrientation", "PrinterPaperSize",
                                     "ScanArchives"};
    if (edition.id == EDITION_KESTRIN) keys.push_back("Number");
    Windows(&keys);
    for (int i = 0; i < edition.labelCount; ++i) {
        std::string l = std::to_string(i);
        for (const char* k : {"SortMode", "Direction", "Columns", "Lined", "ShowSize", "ShowExt", "ShowComm",
                              "ShowZip", "LblFmt", "Opposing", "BkgndColor"})
            keys.push_back(k + l);
        FontsAndStyles(&keys, i, extStyles);
    }
    Tail(&keys, patterns);
    return keys;
}
