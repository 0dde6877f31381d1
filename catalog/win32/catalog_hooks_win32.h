#pragma once

// The system listing (FindFirstFile/FindNextFile/FindClose), the system's
// UTF-8 to ANSI conversion, the volume queries (GetDiskFreeSpaceEx,
// GetVolumeInformation) and the MCI command strings behind the scanner's,
// the ZIP reader's, the disk facts' and the CD reader's seams.
void InstallWin32CatalogHooks();
