#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "editions/profile.h"

namespace {

TEST(EditionProfile, KestrinConstants) {
    const EditionProfile& p = kKestrinProfile;
    EXPECT_EQ(p.id, EDITION_KESTRIN);
    EXPECT_STREQ(p.name, "Kestrin");
    EXPECT_STREQ(p.programFile, "Kestrin.exe");
    EXPECT_STREQ(p.iniFile, "Kestrin.ini");
    EXPECT_STREQ(p.helpFile, "Kestrin.hlp");
    EXPECT_STREQ(p.settingsRoot, "Software\\tlm5\\Kestrin\\1.0");
    EXPECT_STREQ(p.bodyExt, ".KSB");
    EXPECT_STREQ(p.bodyFilterName, "Kestrin Bodies (*.KSB)");
    EXPECT_STREQ(p.bodyFilterPattern, "*.KSB");
    EXPECT_STREQ(p.defaultBodyName, "default.KSB");
    EXPECT_STREQ(p.loadBodyCaption, "Load Kestrin Body...");
    EXPECT_STREQ(p.saveBodyCaption, "Save Kestrin Body...");
    EXPECT_STREQ(p.templateExt, ".KST");
    EXPECT_EQ(p.templateFilterName, nullptr);
    EXPECT_EQ(p.loadTemplateCaption, nullptr);
    EXPECT_STREQ(p.labelTypeId, "Kestrin.label");
    EXPECT_STREQ(p.labelTypeName, "Kestrin Label");
    EXPECT_STREQ(p.templateTypeId, "Kestrin.template");
    EXPECT_STREQ(p.templateTypeName, "Kestrin Template");
    EXPECT_STREQ(p.versionLine, "Kestrin - Version 4.0");
    EXPECT_STREQ(p.titleFormat, "%s - Kestrin");
    EXPECT_STREQ(p.titlePageFormat, "%s - Kestrin - Page %d");
    EXPECT_STREQ(p.titleFrontFormat, "%s - Kestrin - Front Cover");
    EXPECT_STREQ(p.titleBackFormat, "%s - Kestrin - Back Cover");
    EXPECT_STREQ(p.mediumWord, "Jaz");
    EXPECT_EQ(p.labelCount, 1);
    EXPECT_EQ(p.toolbarImageCount, 18);
}

TEST(EditionProfile, DovantelConstants) {
    const EditionProfile& p = kDovantelProfile;
    EXPECT_EQ(p.id, EDITION_DOVANTEL);
    EXPECT_STREQ(p.name, "Dovantel");
    EXPECT_STREQ(p.programFile, "Dovantel.exe");
    EXPECT_STREQ(p.iniFile, "Dovantel.ini");
    EXPECT_STREQ(p.settingsRoot, "Software\\tlm5\\Dovantel\\1.0");
    EXPECT_STREQ(p.bodyExt, ".DVB");
    EXPECT_STREQ(p.bodyFilterName, "Dovantel Bodies (*.DVB)");
    EXPECT_STREQ(p.defaultBodyName, "default.DVB");
    EXPECT_STREQ(p.templateExt, ".DVT");
    // Only Dovantel loads and saves templates through file dialogs.
    EXPECT_STREQ(p.templateFilterName, "Dovantel Templates (*.DVT)");
    EXPECT_STREQ(p.templateFilterPattern, "*.DVT");
    EXPECT_STREQ(p.loadTemplateCaption, "Load Dovantel Template...");
    EXPECT_STREQ(p.saveTemplateCaption, "Save Dovantel Template...");
    EXPECT_STREQ(p.defaultTemplateName, "Dovantel.dvt");
    EXPECT_STREQ(p.versionLine, "Dovantel - Version 4.0");
    EXPECT_STREQ(p.titleBackFormat, "%s - Dovantel - Back Cover");
    EXPECT_STREQ(p.mediumWord, "CDROM");
    EXPECT_EQ(p.labelCount, 1);
    EXPECT_EQ(p.toolbarImageCount, 18);
}

TEST(EditionProfile, WimbrookConstants) {
    const EditionProfile& p = kWimbrookProfile;
    EXPECT_EQ(p.id, EDITION_WIMBROOK);
    EXPECT_STREQ(p.name, "Wimbrook");
    EXPECT_STREQ(p.iniFile, "Wimbrook.ini");
    EXPECT_STREQ(p.bodyExt, ".WMB");
    EXPECT_STREQ(p.templateExt, ".WMT");
    EXPECT_EQ(p.templateFilterName, nullptr);
    EXPECT_STREQ(p.titleFormat, "%s - Wimbrook");
    EXPECT_STREQ(p.titlePageFormat, "%s - Wimbrook - Label %d");
    EXPECT_EQ(p.titleFrontFormat, nullptr);
    EXPECT_STREQ(p.mediumWord, "Floppy");
    EXPECT_EQ(p.labelCount, 9);
    EXPECT_EQ(p.toolbarImageCount, 12);
}

TEST(EditionProfile, SharedRulesHoldForAllThree) {
    for (EditionId id : {EDITION_KESTRIN, EDITION_DOVANTEL, EDITION_WIMBROOK}) {
        const EditionProfile& p = ProfileFor(id);
        SCOPED_TRACE(p.name);
        EXPECT_EQ(p.id, id);
        // The fatal allocation messages carry the same word in every edition.
        EXPECT_STREQ(p.fatalWord, "Verrick");
        std::string name = p.name;
        EXPECT_EQ(std::string(p.programFile), name + ".exe");
        EXPECT_EQ(std::string(p.versionLine), name + " - Version 4.0");
        EXPECT_EQ(std::string(p.labelTypeId), name + ".label");
        EXPECT_EQ(std::string(p.templateTypeId), name + ".template");
    }
}

}  // namespace
