// Maps a drive letter of the running Wine prefix to a Unix folder, the way
// winecfg does: through the mount manager's Wine extension. The mount
// manager then knows the drive (GetVolumeInformation reads the folder's
// .windows-label file), which a symlink made behind its back would not give.
// Used by labeljob, the tests and the benchmarks; Win32 (under Wine).
#pragma once
#include <windows.h>
#include <winioctl.h>

#include <cstring>
#include <vector>

namespace wine_drive {

constexpr DWORD kDefineUnixDrive = CTL_CODE(static_cast<DWORD>('m'), 32, METHOD_BUFFERED,
                                            FILE_READ_ACCESS | FILE_WRITE_ACCESS);

struct UnixDrive {  // struct mountmgr_unix_drive of Wine's ddk/mountmgr.h
    ULONG size;
    ULONG type;
    ULONG fs_type;
    DWORD serial;
    ULONGLONG unix_dev;
    WCHAR letter;
    USHORT mount_point_offset;
    USHORT device_offset;
    USHORT label_offset;
};

inline bool Define(char letter, const char* unixPath, const char* device, ULONG type) {
    size_t pathBytes = unixPath ? std::strlen(unixPath) + 1 : 0;
    size_t deviceBytes = device ? std::strlen(device) + 1 : 0;
    std::vector<char> buffer(sizeof(UnixDrive) + pathBytes + deviceBytes, 0);
    auto* drive = reinterpret_cast<UnixDrive*>(buffer.data());
    drive->size = static_cast<ULONG>(buffer.size());
    drive->type = type;
    drive->letter = static_cast<WCHAR>(letter >= 'A' && letter <= 'Z' ? letter - 'A' + 'a' : letter);
    if (unixPath) {
        drive->mount_point_offset = sizeof(UnixDrive);
        std::memcpy(buffer.data() + sizeof(UnixDrive), unixPath, pathBytes);
    }
    if (device) {
        drive->device_offset = static_cast<USHORT>(sizeof(UnixDrive) + pathBytes);
        std::memcpy(buffer.data() + drive->device_offset, device, deviceBytes);
    }
    HANDLE manager = CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (manager == INVALID_HANDLE_VALUE) return false;
    BOOL ok = DeviceIoControl(manager, kDefineUnixDrive, buffer.data(), static_cast<DWORD>(buffer.size()), nullptr, 0,
                              nullptr, nullptr);
    CloseHandle(manager);
    return ok != 0;
}

}  // namespace wine_drive

// A fixed drive at the Unix folder; false when the mount manager refuses.
// With a device (a mounted CD's "/dev/sr0") the drive is a CD-ROM drive
// whose volume label is read from the disc.
inline bool MapWineDrive(char letter, const char* unixPath, const char* device = nullptr) {
    return wine_drive::Define(letter, unixPath, device, device ? DRIVE_CDROM : DRIVE_FIXED);
}

// Removes the drive again.
inline bool UnmapWineDrive(char letter) { return wine_drive::Define(letter, nullptr, nullptr, DRIVE_NO_ROOT_DIR); }
