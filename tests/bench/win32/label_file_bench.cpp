// Saving and loading a large label body as the program does under Windows
// (label_file_bench_label.h): the body written beside the file and put in
// its place, read whole and parsed; beside it a bare WriteFile and
// ReadFile of the same bytes. Medians of five runs.
//   wine build/cross/tests/bench/bench_label_file.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "document/label_copy.h"
#include "document/win32/label_file_io_win32.h"
#include "tests/bench/label_file_bench_label.h"

namespace {

void BareWrite(const std::string& path, const std::string& bytes) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
}

void BareRead(const std::string& path, std::string* bytes) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    bytes->resize(GetFileSize(f, nullptr));
    DWORD read = 0;
    ReadFile(f, &(*bytes)[0], static_cast<DWORD>(bytes->size()), &read, nullptr);
    CloseHandle(f);
}

}  // namespace

int main() {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string path = std::string(temp) + "bench_label.KSB", bare = std::string(temp) + "bench_bare.bin";
    ZIPINFO label;
    bench_label::Build(&label);
    std::string bytes;
    double save = bench_label::Median([&] {
        WriteBody(label, &bytes);
        if (!ReplaceFileWith(path.c_str(), bytes)) std::puts("save FAILED");
    });
    double load = bench_label::Median([&] {
        std::string read;
        ZIPINFO loaded;
        std::memset(&loaded, 0, sizeof loaded);
        if (ReadWholeFile(path.c_str(), kMaxBodyBytes, &read) != READ_OK ||
            ReadBody(read.data(), read.size(), &loaded) != FILE_OK)
            std::puts("load FAILED");
        FreeScratchLabel(&loaded);
    });
    double bareWrite = bench_label::Median([&] { BareWrite(bare, bytes); });
    std::string again;
    double bareRead = bench_label::Median([&] { BareRead(bare, &again); });
    std::printf("body of 100,000 entries in 5,000 folders, 20 objects (four 1000 x 1000 pictures): %u bytes\n",
                static_cast<unsigned>(bytes.size()));
    std::printf("save %.3f s, load %.3f s; bare WriteFile %.3f s, ReadFile %.3f s (medians of 5)\n", save, load,
                bareWrite, bareRead);
    DeleteFileA(path.c_str());
    DeleteFileA(bare.c_str());
    ClearLabel(&label);
    return 0;
}
