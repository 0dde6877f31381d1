#include "catalog/byte_file.h"

#include <cstdio>

namespace {

int SeekTo(std::FILE* f, int64_t offset, int whence) {
#if defined(_WIN32)
    return _fseeki64(f, offset, whence);
#else
    return fseeko(f, static_cast<off_t>(offset), whence);
#endif
}

int64_t TellOf(std::FILE* f) {
#if defined(_WIN32)
    return _ftelli64(f);
#else
    return static_cast<int64_t>(ftello(f));
#endif
}

void* StdioOpen(const char* name) { return std::fopen(name, "rb"); }

int64_t StdioSize(void* file) {
    auto* f = static_cast<std::FILE*>(file);
    if (SeekTo(f, 0, SEEK_END) != 0) return -1;
    return TellOf(f);
}

int64_t StdioReadAt(void* file, int64_t offset, void* buffer, int64_t count) {
    auto* f = static_cast<std::FILE*>(file);
    if (offset < 0 || count <= 0 || SeekTo(f, offset, SEEK_SET) != 0) return 0;
    return static_cast<int64_t>(std::fread(buffer, 1, static_cast<size_t>(count), f));
}

void StdioClose(void* file) { std::fclose(static_cast<std::FILE*>(file)); }

const ByteFileOps kStdioOps = {StdioOpen, StdioSize, StdioReadAt, StdioClose};
const ByteFileOps* g_ops = &kStdioOps;

}  // namespace

void SetByteFileOps(const ByteFileOps* ops) { g_ops = ops ? ops : &kStdioOps; }

void* OpenByteFile(const char* name) { return g_ops->open(name); }
int64_t ByteFileSize(void* file) { return g_ops->size(file); }
int64_t ReadByteFileAt(void* file, int64_t offset, void* buffer, int64_t count) {
    return g_ops->readAt(file, offset, buffer, count);
}
void CloseByteFile(void* file) { g_ops->close(file); }
