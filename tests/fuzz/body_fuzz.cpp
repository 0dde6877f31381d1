// Fuzzes the body reader. A refused input leaves the scratch record empty;
// an accepted one is written, read again and must write the same bytes,
// then goes through what the program does with a loaded label.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "document/body_file.h"
#include "tests/fuzz/label_fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ZIPINFO label;
    std::memset(&label, 0, sizeof label);
    if (ReadBody(reinterpret_cast<const char*>(data), size, &label) != FILE_OK) {
        if (label.Entries || label.Objects || label.ExtStyles) std::abort();
        return 0;
    }
    std::string first, second;
    ZIPINFO back;
    std::memset(&back, 0, sizeof back);
    // What was read must be writable, and read back the same.
    if (!WriteBody(label, &first) || ReadBody(first.data(), first.size(), &back) != FILE_OK ||
        !WriteBody(back, &second) || first != second)
        std::abort();
    fuzz_label::UseLabel(&back);
    FreeScratchLabel(&label);
    FreeScratchLabel(&back);
    return 0;
}
