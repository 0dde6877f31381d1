#include "catalog/read_disk.h"

#include "catalog/audio_cd.h"
#include "catalog/labels.h"
#include "catalog/scan_settings.h"
#include "catalog/scanner.h"

bool ReadDisk(const EditionProfile& edition) {
    char drive = g_scan.Drive >= 'A' && g_scan.Drive <= 'Z' ? g_scan.Drive : 'C';
    if (edition.id == EDITION_DOVANTEL && ReadAudioCD(drive, g_currentLabel) == 1) return true;
    ScanDrive(drive, "", 0, g_scan.DispSub, g_currentLabel, edition);
    return false;
}
