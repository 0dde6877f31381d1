#include "catalog/win32/catalog_hooks_win32.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "catalog/audio_cd.h"
#include "catalog/disk_facts.h"
#include "catalog/listing.h"
#include "base/text_field.h"
#include "catalog/zip_names.h"
#include "base/win32/ansi_text_win32.h"

namespace {

void CopyFound(const WIN32_FIND_DATAA& found, ListingRecord* record) {
    record->Attributes = found.dwFileAttributes;
    record->SizeHigh = found.nFileSizeHigh;
    record->SizeLow = found.nFileSizeLow;
    std::memcpy(record->Name, found.cFileName, sizeof record->Name);
    record->Name[sizeof record->Name - 1] = '\0';
    std::memcpy(record->ShortName, found.cAlternateFileName, sizeof record->ShortName);
    record->ShortName[sizeof record->ShortName - 1] = '\0';
}

void* SystemFindFirst(const char* pattern, ListingRecord* record) {
    WIN32_FIND_DATAA found;
    HANDLE handle = FindFirstFileA(pattern, &found);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    CopyFound(found, record);
    return handle;
}

int SystemFindNext(void* listing, ListingRecord* record) {
    WIN32_FIND_DATAA found;
    if (!FindNextFileA(static_cast<HANDLE>(listing), &found)) return 0;
    CopyFound(found, record);
    return 1;
}

void SystemFindClose(void* listing) { FindClose(static_cast<HANDLE>(listing)); }

const ListingSource kSystemListing = {SystemFindFirst, SystemFindNext, SystemFindClose};

bool VolumeSpace(const char* root, uint64_t* totalBytes, uint64_t* freeBytes) {
    ULARGE_INTEGER available, total, totalFree;
    if (!GetDiskFreeSpaceExA(root, &available, &total, &totalFree)) return false;
    *totalBytes = total.QuadPart;
    *freeBytes = available.QuadPart;
    return true;
}

bool VolumeLabel(const char* root, char* label, int size) {
    // Room for any label the system may hold; the caller's field takes what fits.
    char whole[MAX_PATH + 1] = "";
    if (!GetVolumeInformationA(root, whole, sizeof whole, nullptr, nullptr, nullptr, nullptr, 0)) return false;
    CopyText(label, static_cast<size_t>(size), whole);
    return true;
}

const DiskQueries kDiskQueries = {VolumeSpace, VolumeLabel};

int SendMci(const char* command, char* reply, int replySize) {
    return static_cast<int>(mciSendStringA(command, reply, static_cast<UINT>(replySize), nullptr));
}

bool DriveHasFiles(char drive) {
    char pattern[] = "?:\\*.*";
    pattern[0] = drive;
    UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    WIN32_FIND_DATAA found;
    HANDLE handle = FindFirstFileA(pattern, &found);
    bool any = false;
    if (handle != INVALID_HANDLE_VALUE) {
        do {
            any = std::strcmp(found.cFileName, ".") != 0 && std::strcmp(found.cFileName, "..") != 0;
        } while (!any && FindNextFileA(handle, &found));
        FindClose(handle);
    }
    SetErrorMode(previous);
    return any;
}

const AudioCdHooks kAudioCdHooks = {SendMci, DriveHasFiles};

}  // namespace

void InstallWin32CatalogHooks() {
    SetSystemListing(&kSystemListing);
    SetAnsiFromUtf8(SystemAnsiFromUtf8);
    SetDiskQueries(&kDiskQueries);
    SetAudioCdHooks(&kAudioCdHooks);
}
