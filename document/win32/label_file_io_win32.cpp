#include "document/win32/label_file_io_win32.h"

#include <windows.h>

#include <new>

#include "document/label_paths.h"

namespace {

constexpr DWORD kChunk = 16u << 20;

bool IsMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_NOT_READY ||
           error == ERROR_INVALID_DRIVE || error == ERROR_BAD_NETPATH || error == ERROR_BAD_NET_NAME;
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD part = bytes.size() - done < kChunk ? static_cast<DWORD>(bytes.size() - done) : kChunk;
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, part, &written, nullptr) || written != part) return false;
        done += written;
    }
    return FlushFileBuffers(file) != 0;
}

}  // namespace

FileReadStatus ReadWholeFile(const char* path, size_t maxBytes, std::string* bytes) {
    bytes->clear();
    // Devices (CON, COM1, "\\.\" names) would block or never end.
    if (!IsPlainFileName(path)) return READ_FAILED;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return IsMissing(GetLastError()) ? READ_MISSING : READ_FAILED;
    FileReadStatus status = READ_OK;
    LARGE_INTEGER size;
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size)) {
        status = READ_FAILED;
    } else if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        status = READ_TOO_BIG;
    } else {
        try {
            bytes->resize(static_cast<size_t>(size.QuadPart));
        } catch (const std::bad_alloc&) {
            status = READ_FAILED;
        }
        for (size_t done = 0; status == READ_OK && done < bytes->size();) {
            DWORD part = bytes->size() - done < kChunk ? static_cast<DWORD>(bytes->size() - done) : kChunk;
            DWORD read = 0;
            if (!ReadFile(file, &(*bytes)[done], part, &read, nullptr) || read == 0) status = READ_FAILED;
            done += read;
        }
    }
    CloseHandle(file);
    if (status != READ_OK) std::string().swap(*bytes);
    return status;
}

bool ReplaceFileWith(const char* path, const std::string& bytes) {
    std::string folder = FolderOf(path);
    char temporary[MAX_PATH];
    if (!GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "lbl", 0, temporary)) return false;
    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool written = file != INVALID_HANDLE_VALUE && WriteAll(file, bytes);
    if (file != INVALID_HANDLE_VALUE && !CloseHandle(file)) written = false;
    if (written && MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    DeleteFileA(temporary);
    return false;
}
