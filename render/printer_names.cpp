#include "render/printer_names.h"

#include <cstring>

namespace {
// Copies the text up to the next comma (or end) and returns where it stopped.
const char* TakeField(const char* text, char* out, size_t size) {
    size_t used = 0;
    while (*text && *text != ',') {
        if (used + 1 < size) out[used++] = *text;
        ++text;
    }
    out[used] = '\0';
    return *text == ',' ? text + 1 : text;
}
}  // namespace

void ParseDeviceProfile(const char* value, PrinterNames* out) {
    PrinterNames parsed;
    const char* rest = value ? value : "";
    rest = TakeField(rest, parsed.name, sizeof parsed.name);
    rest = TakeField(rest, parsed.driver, sizeof parsed.driver);
    TakeField(rest, parsed.port, sizeof parsed.port);
    if (parsed.name[0] && parsed.driver[0] && parsed.port[0]) {
        *out = parsed;
        return;
    }
    std::memset(out, 0, sizeof *out);
    std::strcpy(out->driver, "DISPLAY");
}
