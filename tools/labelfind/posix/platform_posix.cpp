// labelfind's platform natively: iconv for the code page. A single-byte
// code page (the usual case) is turned into a table once, so that printing
// a match converts without a call per name.
#include <dirent.h>
#include <iconv.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "tools/labelfind/platform.h"

namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

struct CodePageState {
    std::string name;             // iconv's name of the code page
    bool singleByte = false;
    std::string table[256];       // UTF-8 of each byte, when single-byte
    iconv_t toUtf8 = reinterpret_cast<iconv_t>(-1);
};

CodePageState& State() {
    static CodePageState state;
    return state;
}

std::string IconvName(int number) { return number == 65001 ? "UTF-8" : "CP" + std::to_string(number); }

// Converts what iconv can; each byte it cannot becomes U+FFFD and the
// conversion goes on after it. *incomplete: the text ended inside a
// character of several bytes.
std::string Convert(iconv_t cd, std::string_view bytes, bool* incomplete) {
    std::string out;
    char buffer[256];
    char* in = const_cast<char*>(bytes.data());
    size_t left = bytes.size();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    while (left > 0) {
        char* to = buffer;
        size_t room = sizeof buffer;
        size_t done = iconv(cd, &in, &left, &to, &room);
        out.append(buffer, static_cast<size_t>(to - buffer));
        if (done != static_cast<size_t>(-1) || errno == E2BIG) continue;
        if (errno == EINVAL && incomplete) *incomplete = true;
        out += kReplacement;
        ++in;
        --left;
    }
    return out;
}

}  // namespace

int DefaultCodePage() { return 1252; }

bool SelectCodePage(int number, std::string* error) {
    CodePageState& s = State();
    std::string name = IconvName(number);
    iconv_t cd = iconv_open("UTF-8", name.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        *error = "code page " + std::to_string(number) + " is not one iconv knows";
        return false;
    }
    if (s.toUtf8 != reinterpret_cast<iconv_t>(-1)) iconv_close(s.toUtf8);
    s.toUtf8 = cd;
    s.name = name;
    // Single-byte when no byte alone is the start of a longer character.
    bool single = true;
    for (int b = 0; b < 256; ++b) {
        char byte = static_cast<char>(b);
        bool incomplete = false;
        s.table[b] = Convert(cd, std::string_view(&byte, 1), &incomplete);
        if (incomplete) single = false;
    }
    s.singleByte = single;
    return true;
}

void NameToUtf8(std::string_view bytes, std::string* out) {
    CodePageState& s = State();
    if (s.toUtf8 == reinterpret_cast<iconv_t>(-1)) {
        std::string ignored;
        SelectCodePage(DefaultCodePage(), &ignored);
    }
    if (!s.singleByte) {
        *out += Convert(s.toUtf8, bytes, nullptr);
        return;
    }
    // Runs of ASCII, the same in every code page iconv offers here, go
    // whole.
    size_t run = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) continue;
        out->append(bytes.data() + run, i - run);
        *out += s.table[c];
        run = i + 1;
    }
    out->append(bytes.data() + run, bytes.size() - run);
}

bool Utf8ToName(std::string_view utf8, std::string* bytes) {
    CodePageState& s = State();
    iconv_t cd = iconv_open(s.name.empty() ? IconvName(DefaultCodePage()).c_str() : s.name.c_str(), "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    std::string out;
    char buffer[256];
    char* in = const_cast<char*>(utf8.data());
    size_t left = utf8.size();
    bool ok = true;
    while (ok && left > 0) {
        char* to = buffer;
        size_t room = sizeof buffer;
        // Anything but a full buffer is a character without a place here
        // (or no UTF-8 at all).
        ok = iconv(cd, &in, &left, &to, &room) != static_cast<size_t>(-1) || errno == E2BIG;
        out.append(buffer, static_cast<size_t>(to - buffer));
    }
    iconv_close(cd);
    if (ok) *bytes = out;
    return ok;
}

std::string ForConsole(const std::string& utf8) { return utf8; }

std::vector<std::string> CommandArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void UseBinaryOutput() {}

char PathSeparator() { return '/'; }

namespace {

PathKind KindOfMode(mode_t mode) { return S_ISDIR(mode) ? PATH_FOLDER : S_ISREG(mode) ? PATH_FILE : PATH_OTHER; }

}  // namespace

bool KindOfPath(const std::string& path, PathKind* kind, std::string* error) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) {
        *error = std::strerror(errno);
        return false;
    }
    *kind = KindOfMode(st.st_mode);
    return true;
}

bool ListFolder(const std::string& path, std::vector<FolderEntry>* entries, std::string* error) {
    DIR* dir = opendir(path.c_str());
    if (!dir) {
        *error = std::strerror(errno);
        return false;
    }
    std::string prefix = path.empty() || path.back() == '/' ? path : path + "/";
    errno = 0;
    while (dirent* d = readdir(dir)) {
        std::string name = d->d_name;
        if (name == "." || name == "..") continue;
        struct stat st;
        FolderEntry entry = {name, PATH_OTHER, false};
        if (lstat((prefix + name).c_str(), &st) == 0) {
            entry.link = S_ISLNK(st.st_mode);
            // A link's kind is its target's; a dangling link is neither.
            if (!entry.link || stat((prefix + name).c_str(), &st) == 0) entry.kind = KindOfMode(st.st_mode);
        }
        entries->push_back(entry);
        errno = 0;
    }
    bool ok = errno == 0;
    if (!ok) *error = std::strerror(errno);
    closedir(dir);
    return ok;
}

std::FILE* OpenForReading(const std::string& path) { return std::fopen(path.c_str(), "rb"); }
