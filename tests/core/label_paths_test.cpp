// The names around label files and what the program enters in the shell.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/label_paths.h"
#include "document/shell_integration.h"
#include "tests/core/memory_profile.h"

namespace {

TEST(LabelPaths, SaveAppendsTheExtensionUnlessTheNameEndsInIt) {
    bool appended = false;
    EXPECT_EQ(WithExtension("C:\\KSB\\x", ".KSB", &appended), "C:\\KSB\\x.KSB");
    EXPECT_TRUE(appended);
    EXPECT_EQ(WithExtension("mylabel.ksb", ".KSB", &appended), "mylabel.ksb");
    EXPECT_FALSE(appended);
    EXPECT_EQ(WithExtension("myKSB", ".KSB", &appended), "myKSB.KSB");
}

TEST(LabelPaths, LabelNameDropsTheLastExtensionOnly) {
    EXPECT_EQ(LabelNameOf("C:\\labels\\tape.2024.KSB"), "tape.2024");
    EXPECT_EQ(LabelNameOf("plain"), "plain");
    EXPECT_EQ(FolderOf("C:\\labels\\tape.KSB"), "C:\\labels\\");
    EXPECT_EQ(FolderOf("tape.KSB"), "");
    EXPECT_EQ(DriveTemplatePath('E', kKestrinProfile), "E:\\Kestrin.KST");
    EXPECT_EQ(DriveTemplatePath('A', kWimbrookProfile), "A:\\Wimbrook.WMT");
}

TEST(LabelPaths, OnlyPlainFileNamesAreOpened) {
    for (const char* name : {"C:\\pics\\logo.bmp", "logo.jpg", "\\\\server\\share\\a.bmp", "C:\\console.bmp"})
        EXPECT_TRUE(IsPlainFileName(name)) << name;
    for (const char* name : {"", "CON", "con.bmp", "C:\\x\\AUX", "nul .txt", "COM1", "lpt9.jpg", "CONOUT$",
                             "\\\\.\\PhysicalDrive0", "\\\\?\\C:\\a.bmp", "C:\\folder\\", "C:"})
        EXPECT_FALSE(IsPlainFileName(name)) << name;
}

TEST(ShellIntegration, InstallFolderIsTheInstallersElseTheProgramsOwn) {
    MemoryStore store;
    EXPECT_EQ(InstallFolder("Z:\\apps\\labels"), "Z:\\apps\\labels");
    store.profile().Set("test.ini", "Install", "InstallPath", "C:\\Labels\\");
    EXPECT_EQ(InstallFolder("Z:\\apps\\labels"), "C:\\Labels");
}

TEST(ShellIntegration, NineValuesInOrder) {
    std::vector<FileTypeValue> v = FileTypeValues(kKestrinProfile, "C:\\Labels");
    std::vector<std::string> expected = {
        "Kestrin.template||Kestrin Template",
        "Kestrin.template|shell\\Open\\command|C:\\Labels\\Kestrin -template %1",
        "Kestrin.template\\DefaultIcon||C:\\Labels\\Kestrin.exe,-101",
        ".KST||Kestrin.template",
        "Kestrin.label||Kestrin Label",
        "Kestrin.label|shell\\Open\\command|C:\\Labels\\Kestrin -label %1",
        "Kestrin.label|shell\\Print\\command|C:\\Labels\\Kestrin -printlabel %1",
        "Kestrin.label\\DefaultIcon||C:\\Labels\\Kestrin.exe,-100",
        ".KSB||Kestrin.label",
    };
    ASSERT_EQ(v.size(), expected.size());
    for (size_t i = 0; i < v.size(); ++i) EXPECT_EQ(v[i].key + "|" + v[i].subkey + "|" + v[i].value, expected[i]);
    v = FileTypeValues(kDovantelProfile, "C:\\Program Files\\Labels");
    EXPECT_EQ(v[5].value, "\"C:\\Program Files\\Labels\\Dovantel\" -label %1");
    EXPECT_EQ(v[7].value, "C:\\Program Files\\Labels\\Dovantel.exe,-100");
    EXPECT_EQ(v[8].key, ".DVB");
}

TEST(ShellIntegration, BrowserCommandCutsBeforeThePlaceholder) {
    EXPECT_EQ(BrowserCommand("\"C:\\web.exe\" -new \"%1\"", "http://a/"), "\"C:\\web.exe\" -new  http://a/");
    EXPECT_EQ(BrowserCommand("C:\\web.exe %1 -x", "http://a/"), "C:\\web.exe  http://a/");
    EXPECT_EQ(BrowserCommand("C:\\web.exe", "http://a/"), "C:\\web.exe http://a/");
    EXPECT_EQ(WebPageAddress(kWimbrookProfile, true), "http://www.tlm5.example/wimbrook/");
    EXPECT_EQ(WebPageAddress(kWimbrookProfile, false), "http://www.tlm5.example/wimbrook/update.html");
    EXPECT_EQ(HelpFilePath(kDovantelProfile, "C:\\Labels"), "C:\\Labels\\Dovantel.hlp");
}

}  // namespace
