#include "catalog/read_disk.h"

#include "catalog/audio_cd.h"
#include "catalog/scanner.h"

char DriveToRead(const ScanSettings& scan) { return scan.Drive >= 'A' && scan.Drive <= 'Z' ? scan.Drive : 'C'; }

bool ReadDisk(ZIPINFO* label, const EditionProfile& edition, const ScanSettings& scan) {
    char drive = DriveToRead(scan);
    if (edition.id == EDITION_DOVANTEL && ReadAudioCD(drive, label) == 1) return true;
    ScanDrive(drive, "", 0, scan.DispSub, label, edition, kArchiveModeNone, scan);
    return false;
}
