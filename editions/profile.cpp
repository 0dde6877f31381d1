#include "editions/profile.h"

#include <cstring>
#include <initializer_list>

const EditionProfile kKestrinProfile = {
    EDITION_KESTRIN,
    "Kestrin",
    "Zip and Jaz cartridges",
    "Kestrin.exe",
    "Kestrin.ini",
    "Kestrin.hlp",
    "Software\\tlm5\\Kestrin\\1.0",
    ".KSB",
    "Kestrin Bodies (*.KSB)",
    "*.KSB",
    "default.KSB",
    "Load Kestrin Body...",
    "Save Kestrin Body...",
    ".KST",
    nullptr, nullptr, nullptr, nullptr, nullptr,
    "Kestrin.label",
    "Kestrin Label",
    "Kestrin.template",
    "Kestrin Template",
    "Kestrin - Version 4.0",
    "%s - Kestrin",
    "%s - Kestrin - Page %d",
    "%s - Kestrin - Front Cover",
    "%s - Kestrin - Back Cover",
    "Verrick",
    "Jaz",
    "Labels and catalogs for Zip and Jaz cartridges",
    1,
    590, 535, 555,
    18,
};

const EditionProfile kDovantelProfile = {
    EDITION_DOVANTEL,
    "Dovantel",
    "CD-R data discs and audio CDs",
    "Dovantel.exe",
    "Dovantel.ini",
    "Dovantel.hlp",
    "Software\\tlm5\\Dovantel\\1.0",
    ".DVB",
    "Dovantel Bodies (*.DVB)",
    "*.DVB",
    "default.DVB",
    "Load Dovantel Body...",
    "Save Dovantel Body...",
    ".DVT",
    "Dovantel Templates (*.DVT)",
    "*.DVT",
    "Load Dovantel Template...",
    "Save Dovantel Template...",
    "Dovantel.dvt",
    "Dovantel.label",
    "Dovantel Label",
    "Dovantel.template",
    "Dovantel Template",
    "Dovantel - Version 4.0",
    "%s - Dovantel",
    "%s - Dovantel - Page %d",
    "%s - Dovantel - Front Cover",
    "%s - Dovantel - Back Cover",
    "Verrick",
    "CDROM",
    "Tray cards and booklets for CD-R data discs and audio CDs",
    1,
    614, 515, 535,
    18,
};

const EditionProfile kWimbrookProfile = {
    EDITION_WIMBROOK,
    "Wimbrook",
    "3.5-inch floppy disks",
    "Wimbrook.exe",
    "Wimbrook.ini",
    "Wimbrook.hlp",
    "Software\\tlm5\\Wimbrook\\1.0",
    ".WMB",
    "Wimbrook Bodies (*.WMB)",
    "*.WMB",
    "default.WMB",
    "Load Wimbrook Body...",
    "Save Wimbrook Body...",
    ".WMT",
    nullptr, nullptr, nullptr, nullptr, nullptr,
    "Wimbrook.label",
    "Wimbrook Label",
    "Wimbrook.template",
    "Wimbrook Template",
    "Wimbrook - Version 4.0",
    "%s - Wimbrook",
    "%s - Wimbrook - Label %d",
    nullptr,
    nullptr,
    "Verrick",
    "Floppy",
    "Labels for 3.5-inch floppy disks, one or nine to a sheet",
    9,
    360, 320, 340,
    12,
};

const EditionProfile& ProfileFor(EditionId id) {
    switch (id) {
    case EDITION_DOVANTEL: return kDovantelProfile;
    case EDITION_WIMBROOK: return kWimbrookProfile;
    default: return kKestrinProfile;
    }
}

const EditionProfile* ProfileNamed(const char* name) {
    for (const EditionProfile* p : {&kKestrinProfile, &kDovantelProfile, &kWimbrookProfile})
        if (std::strcmp(name, p->name) == 0) return p;
    return nullptr;
}
