// The default printer as the system profile names it: section "windows",
// key "device", "name,driver,port".
#pragma once

struct PrinterNames {
    char name[255];
    char driver[255];
    char port[255];
};

// Splits a "device" value. A value missing any of its three parts gives the
// driver "DISPLAY" with empty name and port, so that information contexts
// can still be made.
void ParseDeviceProfile(const char* value, PrinterNames* out);
