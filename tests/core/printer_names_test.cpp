#include <gtest/gtest.h>

#include "render/printer_names.h"

namespace {

TEST(PrinterNames, ThreeFieldsGiveNameDriverAndPort) {
    PrinterNames p;
    ParseDeviceProfile("LabelPDF,wineps.drv,CUPS:LabelPDF", &p);
    EXPECT_STREQ(p.name, "LabelPDF");
    EXPECT_STREQ(p.driver, "wineps.drv");
    EXPECT_STREQ(p.port, "CUPS:LabelPDF");
}

TEST(PrinterNames, MissingOrEmptyPartsFallBackToTheDisplay) {
    for (const char* value : {",,,", "", "Printer,,LPT1:", "Printer,driver", ",driver,LPT1:"}) {
        SCOPED_TRACE(value);
        PrinterNames p;
        ParseDeviceProfile(value, &p);
        EXPECT_STREQ(p.name, "");
        EXPECT_STREQ(p.driver, "DISPLAY");
        EXPECT_STREQ(p.port, "");
    }
}

TEST(PrinterNames, OverlongFieldsAreCutNotOverflowed) {
    std::string longName(600, 'n');
    std::string value = longName + ",drv,port";
    PrinterNames p;
    ParseDeviceProfile(value.c_str(), &p);
    EXPECT_EQ(std::string(p.name), std::string(254, 'n'));
    EXPECT_STREQ(p.driver, "drv");
    EXPECT_STREQ(p.port, "port");
}

}  // namespace
