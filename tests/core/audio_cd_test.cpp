// The audio CD reader against a scripted CD audio device: the command
// strings it sends, the label it fills, and replies it must not trust.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "catalog/audio_cd.h"
#include "catalog/catalog_ops.h"
#include "catalog/dates.h"
#include "base/text_field.h"
#include "tests/support/catalog_dump.h"

namespace {

struct Device {
    std::map<std::string, std::pair<int, std::string>> answers;  // command -> error, reply
    std::vector<std::string> sent;
    bool driveHasFiles = false;
};
Device* g_device = nullptr;

int Answer(const char* command, char* reply, int replySize) {
    g_device->sent.push_back(command);
    auto found = g_device->answers.find(command);
    if (found == g_device->answers.end()) return 257;  // invalid device id
    CopyText(reply, static_cast<size_t>(replySize), found->second.second.c_str());
    return found->second.first;
}
bool HasFiles(char drive) { return drive == 'F' && g_device->driveHasFiles; }

void FixedDates(char* shortDate, int shortSize, char* longDate, int longSize) {
    CopyText(shortDate, static_cast<size_t>(shortSize), "short");
    CopyText(longDate, static_cast<size_t>(longSize), "long");
}

struct AudioCdTest : ::testing::Test {
    Device device;
    ZIPINFO label = {};
    void SetUp() override {
        static const AudioCdHooks hooks = {Answer, HasFiles};
        g_device = &device;
        SetAudioCdHooks(&hooks);
        SetTodayDatesHook(FixedDates);
        // A label with an old catalog and facts, to see what is replaced.
        label.NumEntries = 1;
        label.Entries = NewEntries(1, "test");
        CopyField(label.Entries[0].Name, "old.txt");
        CopyField(label.VolumeName, "OLDVOL");
        label.SpaceTotal = 99;
        label.LayoutValid = 1;
    }
    void TearDown() override {
        FreeCatalog(&label);
        SetAudioCdHooks(nullptr);
        SetTodayDatesHook(nullptr);
    }
    // An audio disc in drive F with the track lengths given.
    void AudioDisc(const std::vector<std::string>& lengths, const std::string& total) {
        device.answers["open cdaudio!F: alias musiccd"] = {0, ""};
        device.answers["status musiccd type track 1"] = {0, "audio"};
        device.answers["set musiccd time format msf"] = {0, ""};
        device.answers["status musiccd number of tracks"] = {0, std::to_string(lengths.size())};
        device.answers["status musiccd length"] = {0, total};
        for (size_t i = 0; i < lengths.size(); ++i)
            device.answers["status musiccd length track " + std::to_string(i + 1)] = {0, lengths[i]};
        device.answers["close musiccd"] = {0, ""};
    }
    void ExpectUntouched() {
        EXPECT_EQ(DumpCatalog(&label), "old.txt|");
        EXPECT_STREQ(label.VolumeName, "OLDVOL");
        EXPECT_EQ(label.LayoutValid, 1);
        ASSERT_FALSE(device.sent.empty());
        EXPECT_EQ(device.sent.back(), "close musiccd");
    }
};

TEST_F(AudioCdTest, TwelveTracksAreListedInTrackOrderWithTheirTimes) {
    std::vector<std::string> lengths;
    for (int i = 1; i <= 12; ++i) lengths.push_back(std::to_string(i) + ":0" + std::to_string(i % 10) + ":12");
    AudioDisc(lengths, "74:33:40");
    ASSERT_EQ(ReadAudioCD('F', &label), 1);
    ASSERT_EQ(label.NumEntries, 12);
    EXPECT_STREQ(label.Entries[0].Name, "Track  1");
    EXPECT_STREQ(label.Entries[0].EntryComment, "1:01");
    EXPECT_STREQ(label.Entries[11].Name, "Track 12");
    EXPECT_STREQ(label.Entries[11].EntryComment, "12:02");
    EXPECT_STREQ(label.VolumeName, "Audio CD");
    EXPECT_EQ(label.NumFiles, 74);  // whole minutes of 74:33
    EXPECT_EQ(label.NumFolders, 12);
    EXPECT_EQ(label.SpaceTotal, 0);
    EXPECT_STREQ(label.ShortDate, "short");
    EXPECT_EQ(label.LayoutValid, 0);
    EXPECT_EQ(device.sent.back(), "close musiccd");
    label.SortMode = 1;
    label.Direction = 1;
    SortCatalog(&label);
    for (int i = 0; i < 12; ++i) {
        char want[16];
        std::snprintf(want, sizeof want, "Track %2d", i + 1);
        EXPECT_STREQ(label.Entries[i].Name, want);
    }
}

TEST_F(AudioCdTest, NineTracksUseOneDigitNamesAndZeroTracksAnEmptyCatalog) {
    AudioDisc(std::vector<std::string>(9, "3:07:00"), "28:03:00");
    ASSERT_EQ(ReadAudioCD('F', &label), 1);
    EXPECT_EQ(DumpCatalog(&label), "Track 1|3:07, Track 2|3:07, Track 3|3:07, Track 4|3:07, Track 5|3:07, "
                                   "Track 6|3:07, Track 7|3:07, Track 8|3:07, Track 9|3:07");
    AudioDisc({}, "0:00:00");
    ASSERT_EQ(ReadAudioCD('F', &label), 1);
    EXPECT_EQ(label.NumEntries, 0);
    EXPECT_EQ(label.Entries, nullptr);
}

TEST_F(AudioCdTest, DataDiscsAndMissingDevicesLeaveTheLabelAlone) {
    AudioDisc({"1:00:00"}, "1:00:00");
    device.answers["status musiccd type track 1"] = {0, "other"};
    EXPECT_EQ(ReadAudioCD('F', &label), 0);
    ExpectUntouched();
    device.answers["status musiccd type track 1"] = {0, "audio "};  // exactly "audio" only
    EXPECT_EQ(ReadAudioCD('F', &label), 0);
    ExpectUntouched();
    device.answers.clear();  // no device at all
    EXPECT_EQ(ReadAudioCD('F', &label), 0);
    ExpectUntouched();
}

TEST_F(AudioCdTest, ADriverWithoutDriveElementsFallsBackToTheDefaultDrive) {
    AudioDisc({"2:00:00"}, "2:00:00");
    device.answers["open cdaudio!F: alias musiccd"] = {301, ""};
    device.answers["open cdaudio alias musiccd"] = {0, ""};
    device.driveHasFiles = true;  // a data disc: nothing is opened
    EXPECT_EQ(ReadAudioCD('F', &label), 0);
    EXPECT_EQ(device.sent, std::vector<std::string>{"open cdaudio!F: alias musiccd"});
    device.sent.clear();
    device.driveHasFiles = false;
    EXPECT_EQ(ReadAudioCD('F', &label), 1);
    EXPECT_EQ(device.sent[1], "open cdaudio alias musiccd");
    EXPECT_EQ(DumpCatalog(&label), "Track 1|2:00");
    device.sent.clear();
    device.answers.erase("open cdaudio alias musiccd");
    EXPECT_EQ(ReadAudioCD('F', &label), 0);
    EXPECT_EQ(device.sent.size(), 2u);
}

TEST_F(AudioCdTest, TrackCountsThatCannotBeTrustedSizeNothing) {
    for (const char* bad : {"", "twelve", "-3", "12abc", "99999999999", "1 2"}) {
        AudioDisc({"1:00:00"}, "1:00:00");
        device.answers["status musiccd number of tracks"] = {0, bad};
        EXPECT_EQ(ReadAudioCD('F', &label), 0) << bad;
        ExpectUntouched();
    }
    AudioDisc({"1:00:00"}, "1:00:00");
    device.answers["status musiccd number of tracks"] = {296, "7"};  // a failed command's reply is not read
    EXPECT_EQ(ReadAudioCD('F', &label), 0);
    ExpectUntouched();
    // More than a CD can hold: the first 99 tracks.
    AudioDisc(std::vector<std::string>(99, "0:30:00"), "49:30:00");
    device.answers["status musiccd number of tracks"] = {0, "150"};
    ASSERT_EQ(ReadAudioCD('F', &label), 1);
    EXPECT_EQ(label.NumEntries, 99);
    EXPECT_EQ(label.NumFolders, 99);
    EXPECT_STREQ(label.Entries[98].Name, "Track 99");
    EXPECT_EQ(device.sent[device.sent.size() - 2], "status musiccd length track 99");
}

TEST_F(AudioCdTest, LengthsThatCannotBeReadLeaveNoTimes) {
    AudioDisc({"4:10:00", "bad", "5:61:00", "-1:00:00", "6:00", "7:08:09x"}, "garbage");
    device.answers["status musiccd length track 1"].first = 274;  // the command failed
    ASSERT_EQ(ReadAudioCD('F', &label), 1);
    EXPECT_EQ(DumpCatalog(&label), "Track 1|, Track 2|, Track 3|, Track 4|, Track 5|, Track 6|");
    EXPECT_EQ(label.NumFiles, 0);
}

}  // namespace
