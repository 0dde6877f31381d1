// Read Disk's reading of the current label's drive in each edition.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/audio_cd.h"
#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "catalog/read_disk.h"
#include "catalog/scan_settings.h"
#include "shell/program_records.h"
#include "tests/support/catalog_dump.h"
#include "tests/support/memory_disk.h"

namespace {

std::vector<std::string> g_sent;
bool g_audio = false;

int Device(const char* command, char* reply, int replySize) {
    g_sent.push_back(command);
    std::string answer;
    if (std::string(command) == "status musiccd type track 1") answer = g_audio ? "audio" : "other";
    if (std::string(command) == "status musiccd number of tracks") answer = "1";
    if (std::string(command).find("length") != std::string::npos) answer = "3:00:00";
    snprintf(reply, static_cast<size_t>(replySize), "%s", answer.c_str());
    return 0;
}
bool NoFiles(char) { return false; }

TEST(ReadDisk, ScansTheChosenDriveIntoTheCurrentLabelAndTriesAudioCdsInDovantelOnly) {
    MemoryDisk disk;
    disk.AddFolder("G:\\sub");
    disk.AddFile("G:\\sub\\in.txt", "1234");
    disk.AddFile("G:\\top.txt", "12");
    InstallMemoryDisk(&disk);
    static const AudioCdHooks hooks = {Device, NoFiles};
    SetAudioCdHooks(&hooks);
    InitLabelRecords(1);
    g_scan = ScanSettings{};
    g_scan.Drive = 'G';
    g_scan.DispSub = 1;

    g_audio = true;
    EXPECT_FALSE(ReadDisk(g_currentLabel, kKestrinProfile, g_scan));
    EXPECT_TRUE(g_sent.empty());
    EXPECT_EQ(DumpCatalog(g_currentLabel), "sub|[dir]{in.txt|4}, top.txt|2");

    EXPECT_TRUE(ReadDisk(g_currentLabel, kDovantelProfile, g_scan));
    EXPECT_EQ(DumpCatalog(g_currentLabel), "Track 1|3:00");
    EXPECT_EQ(g_sent.front(), "open cdaudio!G: alias musiccd");

    g_audio = false;
    g_scan.DispSub = 0;
    EXPECT_FALSE(ReadDisk(g_currentLabel, kDovantelProfile, g_scan));
    EXPECT_EQ(DumpCatalog(g_currentLabel), "sub|[dir], top.txt|2");

    FreeCatalog(g_currentLabel);
    SetAudioCdHooks(nullptr);
    InstallMemoryDisk(nullptr);
}

}  // namespace
