#include "catalog/read_disk.h"

#include "catalog/audio_cd.h"
#include "catalog/scan_settings.h"
#include "catalog/scanner.h"

char DriveToRead() { return g_scan.Drive >= 'A' && g_scan.Drive <= 'Z' ? g_scan.Drive : 'C'; }

bool ReadDisk(ZIPINFO* label, const EditionProfile& edition) {
    char drive = DriveToRead();
    if (edition.id == EDITION_DOVANTEL && ReadAudioCD(drive, label) == 1) return true;
    ScanDrive(drive, "", 0, g_scan.DispSub, label, edition, kArchiveModeNone);
    return false;
}
