// The constant identity of one edition: the words, file names and switches
// that differ between Kestrin, Dovantel and Wimbrook. Each executable links
// exactly one profile (see edition.h); the core takes the profile as an
// argument wherever behaviour differs, so tests can exercise all three.
#pragma once

enum EditionId { EDITION_KESTRIN = 0, EDITION_DOVANTEL = 1, EDITION_WIMBROOK = 2 };

struct EditionProfile {
    EditionId id;
    const char* name;             // "Kestrin": class name, titles, file names
    const char* medium;           // description of the medium
    const char* programFile;      // "Kestrin.exe"
    const char* iniFile;          // "Kestrin.ini"
    const char* helpFile;         // "Kestrin.hlp"
    const char* settingsRoot;     // "Software\tlm5\Kestrin\1.0"
    const char* bodyExt;          // ".KSB"
    const char* bodyFilterName;   // "Kestrin Bodies (*.KSB)"
    const char* bodyFilterPattern;// "*.KSB"
    const char* defaultBodyName;  // "default.KSB"
    const char* loadBodyCaption;  // "Load Kestrin Body..."
    const char* saveBodyCaption;  // "Save Kestrin Body..."
    const char* templateExt;      // ".KST"
    // Template file dialogs exist only in Dovantel; null elsewhere.
    const char* templateFilterName;
    const char* templateFilterPattern;
    const char* loadTemplateCaption;
    const char* saveTemplateCaption;
    const char* defaultTemplateName;
    const char* labelTypeId;      // "Kestrin.label"
    const char* labelTypeName;    // "Kestrin Label"
    const char* templateTypeId;   // "Kestrin.template"
    const char* templateTypeName; // "Kestrin Template"
    const char* versionLine;      // "Kestrin - Version 4.0"
    const char* titleFormat;      // "%s - Kestrin"
    const char* titlePageFormat;  // "%s - Kestrin - Page %d" (Wimbrook: "... - Label %d")
    const char* titleFrontFormat; // "%s - Kestrin - Front Cover" (null in Wimbrook)
    const char* titleBackFormat;  // "%s - Kestrin - Back Cover" (null in Wimbrook)
    const char* fatalWord;        // "Verrick" in all three
    const char* mediumWord;       // "Jaz", "CDROM", "Floppy"
    const char* bannerNotice;     // second part of the status-bar banner
    int labelCount;               // label records: 1, or 9 in Wimbrook
    // Main window size in logical units (hundredths of an inch), see
    // MainWindowLogicalSize: width, height at scale >= 0.7, height below.
    int windowWidth;
    int windowHeightLarge;
    int windowHeightSmall;
    int toolbarImageCount;        // images in bitmap 148
};

extern const EditionProfile kKestrinProfile;
extern const EditionProfile kDovantelProfile;
extern const EditionProfile kWimbrookProfile;

const EditionProfile& ProfileFor(EditionId id);
// The edition of that name ("Kestrin", ...); null for none.
const EditionProfile* ProfileNamed(const char* name);
