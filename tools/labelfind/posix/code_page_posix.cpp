// labelfind's platform natively: iconv for the code page. A single-byte
// code page (the usual case) is turned into a table once, so that printing
// a match converts without a call per name.
#include <iconv.h>

#include <cerrno>
#include <cstring>

#include "tools/labelfind/code_page.h"

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

std::filesystem::path PathFromUtf8(const std::string& text) { return std::filesystem::path(text); }

std::string PathToUtf8(const std::filesystem::path& path) { return path.string(); }

std::FILE* OpenForReading(const std::filesystem::path& path) { return std::fopen(path.c_str(), "rb"); }
