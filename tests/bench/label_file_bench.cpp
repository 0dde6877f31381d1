// Writing and reading a large label body in memory (label_file_bench_label.h):
// medians of five runs and the body's size.
//   build/bench/tests/bench/bench_label_file   (a plain Release build, see HACKING.md)
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "document/label_copy.h"
#include "tests/bench/label_file_bench_label.h"

int main() {
    ZIPINFO label;
    bench_label::Build(&label);
    std::string bytes;
    double write = bench_label::Median([&] { WriteBody(label, &bytes); });
    double read = bench_label::Median([&] {
        ZIPINFO loaded;
        std::memset(&loaded, 0, sizeof loaded);
        if (ReadBody(bytes.data(), bytes.size(), &loaded) != FILE_OK) std::puts("read FAILED");
        FreeScratchLabel(&loaded);
    });
    std::printf("body of 100,000 entries in 5,000 folders, 20 objects (four 1000 x 1000 pictures): %zu bytes\n",
                bytes.size());
    std::printf("write %.3f s, read %.3f s (medians of 5)\n", write, read);
    ClearLabel(&label);
    return 0;
}
