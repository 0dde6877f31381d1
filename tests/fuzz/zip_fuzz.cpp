// libFuzzer target: the ZIP reader over any file contents.
#include "tests/fuzz/archive_fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz_archive::Run(data, size, kArchiveModeZip);
}
