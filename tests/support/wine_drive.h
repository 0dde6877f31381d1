// Maps a drive letter of the running Wine prefix to a Unix folder, the way
// winecfg does: through the mount manager's Wine extension. The mount
// manager then knows the drive (GetVolumeInformation reads the folder's
// .windows-label file), which a symlink made behind its back would not give.
// Test and benchmark tooling only; Win32 (under Wine).
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

inline bool Define(char letter, const char* unixPath, ULONG type) {
    size_t pathBytes = unixPath ? std::strlen(unixPath) + 1 : 0;
    std::vector<char> buffer(sizeof(UnixDrive) + pathBytes, 0);
    auto* drive = reinterpret_cast<UnixDrive*>(buffer.data());
    drive->size = static_cast<ULONG>(buffer.size());
    drive->type = type;
    drive->letter = static_cast<WCHAR>(letter >= 'A' && letter <= 'Z' ? letter - 'A' + 'a' : letter);
    if (unixPath) {
        drive->mount_point_offset = sizeof(UnixDrive);
        std::memcpy(buffer.data() + sizeof(UnixDrive), unixPath, pathBytes);
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
inline bool MapWineDrive(char letter, const char* unixPath) { return wine_drive::Define(letter, unixPath, DRIVE_FIXED); }

// Removes the drive again.
inline bool UnmapWineDrive(char letter) { return wine_drive::Define(letter, nullptr, DRIVE_NO_ROOT_DIR); }
