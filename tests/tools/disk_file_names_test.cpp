// The main job's outputs named after the disk: what a spine text becomes
// as a file name, and the number a second disk of that name gets.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tools/labeljob/disk_file_names.h"

namespace {

TEST(DiskFileNames, SpineTextsBecomeNamesBothSystemsTake) {
    EXPECT_EQ(FileNameOfTitle("HOLIDAY 2026"), "HOLIDAY 2026");
    EXPECT_EQ(FileNameOfTitle("a/b\\c:d*e?f\"g<h>i|j\tk"), "a_b_c_d_e_f_g_h_i_j_k");
    EXPECT_EQ(FileNameOfTitle(" ..Backup.. "), "Backup");
    EXPECT_EQ(FileNameOfTitle("über"), "über");
    EXPECT_EQ(FileNameOfTitle("con"), "con_");
    EXPECT_EQ(FileNameOfTitle("LPT1.x"), "LPT1.x_");
    EXPECT_EQ(FileNameOfTitle("COM10"), "COM10");
    EXPECT_EQ(FileNameOfTitle(" . "), "disk");
}

TEST(DiskFileNames, ASecondDiskOfANameGetsANumber) {
    std::set<std::string> taken = {"DATA", "DATA (2)"};
    auto isTaken = [&](const std::string& s) { return taken.count(s) > 0; };
    EXPECT_EQ(FreeStem("DATA", isTaken), "DATA (3)");
    EXPECT_EQ(FreeStem("OTHER", isTaken), "OTHER");
}

}  // namespace
