#include "render/win32/printer_win32.h"

#include <windows.h>

void ReadDefaultPrinter(PrinterNames* out) {
    char device[255 * 3 + 3];
    GetProfileStringA("windows", "device", ",,,", device, sizeof device);
    ParseDeviceProfile(device, out);
}
