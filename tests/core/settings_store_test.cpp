// The typed settings store over the in-memory profile.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "document/settings_store.h"
#include "tests/core/memory_profile.h"

namespace {

const char* kRoot = "Software\\tlm5\\Test\\1.0";

TEST(SettingsStore, EveryKindWritesSignedDecimalAndReadsBack) {
    MemoryStore store;
    int8_t b = -5;
    int16_t s = -300;
    int32_t i = INT32_MIN;
    uint32_t white = 0xFFFFFF, all = 0xFFFFFFFF;
    EXPECT_TRUE(WriteSetting(kRoot, "B", &b, 1, SETTING_BYTE));
    EXPECT_TRUE(WriteSetting(kRoot, "S", &s, 2, SETTING_SHORT));
    EXPECT_TRUE(WriteSetting(kRoot, "I", &i, 4, SETTING_INT));
    EXPECT_TRUE(WriteSetting(kRoot, "W", &white, 4, SETTING_COLOR));
    EXPECT_TRUE(WriteSetting(kRoot, "A", &all, 4, SETTING_COLOR));
    EXPECT_TRUE(WriteSetting(kRoot, "T", "hello world", 32, SETTING_STRING));
    EXPECT_EQ(store.Get("B"), "-5");
    EXPECT_EQ(store.Get("S"), "-300");
    EXPECT_EQ(store.Get("I"), "-2147483648");
    EXPECT_EQ(store.Get("W"), "16777215");
    EXPECT_EQ(store.Get("A"), "-1");
    EXPECT_EQ(store.Get("T"), "hello world");

    int8_t b2 = 0;
    int16_t s2 = 0;
    int32_t i2 = 0;
    uint32_t w2 = 0, a2 = 0;
    char t2[32];
    EXPECT_TRUE(ReadSetting(kRoot, "B", &b2, 1, SETTING_BYTE));
    EXPECT_TRUE(ReadSetting(kRoot, "S", &s2, 2, SETTING_SHORT));
    EXPECT_TRUE(ReadSetting(kRoot, "I", &i2, 4, SETTING_INT));
    EXPECT_TRUE(ReadSetting(kRoot, "W", &w2, 4, SETTING_COLOR));
    EXPECT_TRUE(ReadSetting(kRoot, "A", &a2, 4, SETTING_COLOR));
    EXPECT_TRUE(ReadSetting(kRoot, "T", t2, sizeof t2, SETTING_STRING));
    EXPECT_EQ(b2, -5);
    EXPECT_EQ(s2, -300);
    EXPECT_EQ(i2, INT32_MIN);
    EXPECT_EQ(w2, 0xFFFFFFu);
    EXPECT_EQ(a2, 0xFFFFFFFFu);
    EXPECT_STREQ(t2, "hello world");
    EXPECT_EQ(store.profile().writes.size(), 6u);
}

TEST(SettingsStore, MissingErrorAndNonNumbersLeaveTheDestination) {
    MemoryStore store;
    store.Put("Marker", "error");
    store.Put("Word", "abc");
    store.Put("Empty", "");
    store.Put("Sign", "-");
    store.Put("Huge", "2147483648");
    store.Put("Huger", "99999999999999999999999");
    for (const char* key : {"Absent", "Marker", "Word", "Empty", "Sign", "Huge", "Huger"}) {
        SCOPED_TRACE(key);
        int32_t value = 77;
        EXPECT_FALSE(ReadSetting(kRoot, key, &value, 4, SETTING_INT));
        EXPECT_EQ(value, 77);
    }
    char text[8] = "keep";
    EXPECT_FALSE(ReadSetting(kRoot, "Marker", text, sizeof text, SETTING_STRING));
    EXPECT_STREQ(text, "keep");
    EXPECT_FALSE(ReadSetting(kRoot, "Absent", text, sizeof text, SETTING_STRING));
    EXPECT_STREQ(text, "keep");
    EXPECT_TRUE(ReadSetting(kRoot, "Empty", text, sizeof text, SETTING_STRING));
    EXPECT_STREQ(text, "");
}

TEST(SettingsStore, NumbersReadAsALeadingDecimalScan) {
    MemoryStore store;
    store.Put("Lead", "12abc");
    store.Put("Blanks", " \t-7");
    store.Put("Plus", "+42");
    store.Put("Hex", "0x1F");
    int32_t v = 0;
    EXPECT_TRUE(ReadSetting(kRoot, "Lead", &v, 4, SETTING_INT));
    EXPECT_EQ(v, 12);
    EXPECT_TRUE(ReadSetting(kRoot, "Blanks", &v, 4, SETTING_INT));
    EXPECT_EQ(v, -7);
    EXPECT_TRUE(ReadSetting(kRoot, "Plus", &v, 4, SETTING_INT));
    EXPECT_EQ(v, 42);
    EXPECT_TRUE(ReadSetting(kRoot, "Hex", &v, 4, SETTING_INT));
    EXPECT_EQ(v, 0);
}

TEST(SettingsStore, ByteAndShortKeepTheLowBitsAndColoursTakeBothSpellings) {
    MemoryStore store;
    store.Put("Letter", "99");
    store.Put("Wrap", "321");
    store.Put("Short", "70000");
    store.Put("Unsigned", "4294967295");
    store.Put("TooBig", "4294967296");
    int8_t b = 0;
    EXPECT_TRUE(ReadSetting(kRoot, "Letter", &b, 1, SETTING_BYTE));
    EXPECT_EQ(b, 'c');
    EXPECT_TRUE(ReadSetting(kRoot, "Wrap", &b, 1, SETTING_BYTE));
    EXPECT_EQ(b, 'A');
    int16_t s = 0;
    EXPECT_TRUE(ReadSetting(kRoot, "Short", &s, 2, SETTING_SHORT));
    EXPECT_EQ(s, 70000 - 65536);
    uint32_t c = 0;
    EXPECT_TRUE(ReadSetting(kRoot, "Unsigned", &c, 4, SETTING_COLOR));
    EXPECT_EQ(c, 0xFFFFFFFFu);
    c = 5;
    EXPECT_FALSE(ReadSetting(kRoot, "TooBig", &c, 4, SETTING_COLOR));
    EXPECT_EQ(c, 5u);
    int32_t i = 5;
    EXPECT_FALSE(ReadSetting(kRoot, "Unsigned", &i, 4, SETTING_INT)) << "beyond a signed 32-bit integer";
    EXPECT_EQ(i, 5);
}

TEST(SettingsStore, StringsAreCutToTheFieldAndTo254Characters) {
    MemoryStore store;
    store.Put("Short", "abcdefghij");
    store.Put("Long", std::string(1000, 'x'));
    char field[8];
    std::memset(field, '#', sizeof field);
    EXPECT_TRUE(ReadSetting(kRoot, "Short", field, sizeof field, SETTING_STRING));
    EXPECT_STREQ(field, "abcdefg");
    char big[600];
    EXPECT_TRUE(ReadSetting(kRoot, "Long", big, sizeof big, SETTING_STRING));
    EXPECT_EQ(std::string(big), std::string(254, 'x'));

    std::string text(300, 'y');
    EXPECT_TRUE(WriteSetting(kRoot, "Out", text.c_str(), 301, SETTING_STRING));
    EXPECT_EQ(store.Get("Out"), std::string(254, 'y'));
    // A field without its terminator within the width is cut at the width.
    char unterminated[4] = {'a', 'b', 'c', 'd'};
    EXPECT_TRUE(WriteSetting(kRoot, "Raw", unterminated, 4, SETTING_STRING));
    EXPECT_EQ(store.Get("Raw"), "abcd");
}

FontDesc SampleFont() {
    FontDesc f = {};
    f.lfHeight = -11;
    f.lfWidth = 4;
    f.lfEscapement = 900;
    f.lfOrientation = 900;
    f.lfWeight = 700;
    f.lfItalic = 1;
    f.lfUnderline = 1;
    f.lfStrikeOut = 1;
    f.lfCharSet = 238;
    f.lfOutPrecision = 3;
    f.lfClipPrecision = 16;
    f.lfQuality = 2;
    f.lfPitchAndFamily = 34;
    std::strcpy(f.lfFaceName, "Times New Roman");
    return f;
}

TEST(SettingsStore, FontsUseThirteenKeysWithoutUnderline) {
    MemoryStore store;
    FontDesc font = SampleFont();
    WriteFontSetting("DirFont0", &font);
    const auto& keys = store.Keys();
    ASSERT_EQ(keys.size(), 13u);
    const char* expected[13] = {"DirFont0_lfHeight",       "DirFont0_lfWidth",        "DirFont0_lfEscapement",
                                "DirFont0_lfOrientation",  "DirFont0_lfWeight",       "DirFont0_lfItalic",
                                "DirFont0_lfStrikeOut",    "DirFont0_lfCharSet",      "DirFont0_lfOutPrecision",
                                "DirFont0_lfClipPrecision", "DirFont0_lfQuality",     "DirFont0_lfPitchAndFamily",
                                "DirFont0_lfFaceName"};
    for (int i = 0; i < 13; ++i) EXPECT_EQ(keys[i].first, expected[i]);
    EXPECT_EQ(store.Get("DirFont0_lfCharSet"), "-18") << "bytes are written sign-extended";
    EXPECT_EQ(store.Get("DirFont0_lfFaceName"), "Times New Roman");

    FontDesc back = {};
    back.lfUnderline = 1;
    ReadFontSetting("DirFont0", &back);
    font.lfUnderline = 0;
    EXPECT_EQ(std::memcmp(&back, &font, sizeof font), 0) << "underline is never loaded";
}

TEST(SettingsStore, FontWithoutHeightLoadsAsNeverStored) {
    MemoryStore store;
    store.Put("Font0_lfWeight", "700");
    store.Put("Font0_lfFaceName", "Courier New");
    FontDesc font = SampleFont();
    ReadFontSetting("Font0", &font);
    EXPECT_EQ(font.lfHeight, -1);
    EXPECT_EQ(font.lfWeight, 700);
    EXPECT_STREQ(font.lfFaceName, "Courier New");
    EXPECT_EQ(font.lfWidth, 4) << "other missing parts stay as they were";
    EXPECT_EQ(font.lfCharSet, 238);
    EXPECT_EQ(font.lfUnderline, 0);
}

TEST(SettingsStore, AbsurdFontSizesAreRefused) {
    MemoryStore store;
    store.Put("F_lfHeight", "-2147483648");
    store.Put("F_lfWidth", "5000");
    store.Put("F_lfWeight", "-3");
    store.Put("F_lfFaceName", std::string(100, 'z'));
    FontDesc font = SampleFont();
    ReadFontSetting("F", &font);
    EXPECT_EQ(font.lfHeight, -1);
    EXPECT_EQ(font.lfWidth, 0);
    EXPECT_EQ(font.lfWeight, 0);
    EXPECT_EQ(std::string(font.lfFaceName), std::string(31, 'z'));
}

TEST(SettingsStore, WithoutAProfileEverythingIsMissingAndWritesFail) {
    SetProfileHooks(nullptr, nullptr);
    int32_t v = 9;
    EXPECT_FALSE(ReadSetting(kRoot, "Columns0", &v, 4, SETTING_INT));
    EXPECT_EQ(v, 9);
    EXPECT_FALSE(WriteSetting(kRoot, "Columns0", &v, 4, SETTING_INT));
}

TEST(SettingsStore, ReadOnlyProfileIgnoresWrites) {
    MemoryStore store;
    store.Put("Columns0", "5");
    store.profile().readOnly = true;
    int32_t v = 2;
    EXPECT_FALSE(WriteSetting(kRoot, "Columns0", &v, 4, SETTING_INT));
    EXPECT_EQ(store.Get("Columns0"), "5");
}

}  // namespace
