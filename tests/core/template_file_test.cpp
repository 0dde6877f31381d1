// Templates: every version parsed and applied (flags, objects, look; the
// label's comment and disk facts kept), the text-mode bytes, pictures that
// are not plain files, damage and cuts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "catalog/catalog_ops.h"
#include "base/text_field.h"
#include "document/body_file.h"
#include "document/label_copy.h"
#include "document/object_list.h"
#include "document/template_file.h"
#include "tests/samples/sample_labels.h"
#include "tests/support/catalog_dump.h"
#include "tests/support/label_file_builder.h"

namespace {

std::vector<std::string> g_loads;

// Only C:\pic.bmp exists: a 2 x 2 picture.
bool FakeLoad(const char* path, PlacedObject* object) {
    g_loads.push_back(path);
    return std::strcmp(path, "C:\\pic.bmp") == 0 && fixture::LoadTinyPicture(path, object);
}

class TemplateTest : public testing::Test {
protected:
    void SetUp() override {
        std::memset(&label_, 0, sizeof label_);
        std::string body = fixture::Body(41);
        ASSERT_EQ(ReadBody(body.data(), body.size(), &label_), FILE_OK);
        // What a scan just gathered, and the user's comment.
        CopyField(label_.Comment, "mine");
        label_.SpaceFree = 77;
        label_.NumFiles = 9;
        CopyField(label_.ShortDate, "scan day");
        label_.Entries[0].Open = 0;
        g_loads.clear();
    }
    void TearDown() override { FreeScratchLabel(&label_); }
    LabelFileStatus Parse(const std::string& text, LabelTemplate* t, const EditionProfile& e = kKestrinProfile) {
        return ParseTemplate(text.data(), text.size(), e, t);
    }
    ZIPINFO label_;
};

TEST_F(TemplateTest, EveryVersionAppliesFlagsObjectsAndLookButNotCommentOrFacts) {
    for (int v : {16, 17, 18, 20, 25, 30, 40}) {
        SCOPED_TRACE(v);
        TearDown();
        SetUp();
        LabelTemplate t;
        ASSERT_EQ(Parse(fixture::TextMode(fixture::Template(v, "Kestrin", "C:\\pic.bmp")), &t), FILE_OK);
        ASSERT_TRUE(ApplyTemplate(&t, &label_, FakeLoad));
        FreeTemplate(&t);
        // Sorted by extension, descending; DOCS opened docs, "Deep" named
        // no folder of the root and "gone" with its nested block nothing.
        EXPECT_EQ(DumpCatalog(&label_), "x.zip|2G, docs|[dir]{a.txt|1K, deep|[dir]{b.c|3}}");
        EXPECT_EQ(label_.Entries[1].Open, 1);
        EXPECT_EQ(label_.Entries[1].Child->Entries[1].Open, 1);
        EXPECT_EQ(label_.LayoutValid, 0);
        EXPECT_STREQ(label_.Comment, "mine");
        EXPECT_EQ(label_.SpaceFree, 77);
        EXPECT_EQ(label_.NumFiles, 9);
        EXPECT_STREQ(label_.ShortDate, "scan day");
        EXPECT_EQ(label_.Columns, 4);
        EXPECT_EQ(label_.LblFmt, v >= 17 ? 5 : 0);
        EXPECT_EQ(label_.NumExtStyles, v > 16 ? 1 : 0);
        ASSERT_EQ(label_.NumObjects, v >= 17 ? 2 : 1);
        const ObjectRecord& p = label_.Objects[0].rec;
        EXPECT_EQ(p.Page, 2);
        EXPECT_EQ(p.Layer, -1);
        EXPECT_EQ(p.Left, 30);
        EXPECT_EQ(p.Top, -40);
        // Version 16 placed the picture at its own size.
        EXPECT_EQ(p.Right, v == 16 ? 32 : 130);
        EXPECT_EQ(p.Bottom, v == 16 ? -42 : -90);
        EXPECT_NE(label_.Objects[0].bitmap, nullptr);
        if (v < 17) continue;
        const ObjectRecord& s = label_.Objects[1].rec;
        EXPECT_STREQ(s.Text, v <= 20 ? "  one line" : "  two\r\nlines, twenty");
        EXPECT_EQ(s.Orientation, 90);
        EXPECT_EQ(s.Font.lfWeight, 700);
        EXPECT_EQ(s.HAlign, 0);
        EXPECT_EQ(s.VAlign, 0);
    }
}

TEST_F(TemplateTest, PicturesThatAreNoPlainFilesAreNeverOpenedAndMissingOnesDropped) {
    for (const char* name : {"C:\\missing.bmp", "CON", "c:\\temp\\com1.bmp", "\\\\.\\PhysicalDrive0", "C:\\folder\\",
                             "LPT9", "C:\\pic.bmp"}) {
        TearDown();
        SetUp();
        LabelTemplate t;
        ASSERT_EQ(Parse(fixture::TextMode(fixture::Template(40, "Kestrin", name)), &t), FILE_OK) << name;
        ASSERT_TRUE(ApplyTemplate(&t, &label_, FakeLoad));
        bool opened = std::strcmp(name, "C:\\missing.bmp") == 0 || std::strcmp(name, "C:\\pic.bmp") == 0;
        EXPECT_EQ(g_loads.size(), opened ? 1u : 0u) << name;
        EXPECT_EQ(label_.NumObjects, std::strcmp(name, "C:\\pic.bmp") == 0 ? 2 : 1) << name;
        EXPECT_EQ(label_.Objects[label_.NumObjects - 1].rec.Type, OBJECT_STRING);
    }
}

TEST_F(TemplateTest, WrittenInTextModeAndReadBack) {
    ZIPINFO sample;
    std::memset(&sample, 0, sizeof sample);
    BuildSampleLabel(&sample, kDovantelProfile);
    PlacedObject* s = nullptr;
    for (int i = 0; i < sample.NumObjects; ++i)
        if (sample.Objects[i].rec.Type == OBJECT_STRING) s = &sample.Objects[i];
    ASSERT_NE(s, nullptr);
    CopyField(s->rec.Text, "  first\r\nsecond");
    std::string bytes;
    ASSERT_TRUE(WriteTemplate(sample, kDovantelProfile, &bytes));
    EXPECT_EQ(bytes.compare(0, 24, "Dovantel - Version 4.0\r\n"), 0);
    EXPECT_NE(bytes.find("15\r\n  first\r\r\nsecond\r\n"), std::string::npos);
    for (size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n') {
            ASSERT_EQ(bytes[i - 1], '\r') << i;
        }

    LabelTemplate t;
    ASSERT_EQ(Parse(bytes, &t, kDovantelProfile), FILE_OK);
    ASSERT_EQ(t.objects.size(), static_cast<size_t>(sample.NumObjects));
    for (size_t i = 0; i < t.objects.size(); ++i) {
        const ObjectRecord &a = t.objects[i].rec, &b = sample.Objects[i].rec;
        EXPECT_EQ(std::memcmp(&a, &b, 28), 0);  // type, page, layer, rectangle
        if (a.Type == OBJECT_STRING) {
            EXPECT_STREQ(a.Text, b.Text);
        }
    }
    EXPECT_EQ(t.look.NumExtStyles, sample.NumExtStyles);
    FreeTemplate(&t);
    EXPECT_EQ(Parse(bytes, &t, kKestrinProfile), FILE_BAD_VERSION);
    EXPECT_EQ(t.versionLine, "Dovantel - Version 4.0");
    ClearLabel(&sample);
}

TEST_F(TemplateTest, CutAtEveryByteFailsOrLosesOnlyTheLastLineEnd) {
    ZIPINFO sample;
    std::memset(&sample, 0, sizeof sample);
    BuildSampleLabel(&sample, kKestrinProfile);
    std::free(sample.ExtStyles);  // the look then ends in a number
    sample.ExtStyles = nullptr;
    sample.NumExtStyles = 0;
    std::string bytes;
    ASSERT_TRUE(WriteTemplate(sample, kKestrinProfile, &bytes));
    int loaded = 0;
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        LabelTemplate t;
        if (Parse(bytes.substr(0, cut), &t) != FILE_OK) continue;
        ++loaded;
        ASSERT_EQ(bytes.find_first_not_of("\r\n", cut), std::string::npos) << cut;
        EXPECT_EQ(t.objects.size(), static_cast<size_t>(sample.NumObjects));
        FreeTemplate(&t);
    }
    EXPECT_EQ(loaded, 2);
    std::string text = fixture::TextMode(fixture::Template(40, "Kestrin", "C:\\pic.bmp"));
    LabelTemplate t;
    ASSERT_EQ(Parse(text, &t), FILE_OK);
    FreeTemplate(&t);
    EXPECT_EQ(Parse(text.replace(text.find("\\END"), 4, "\\end"), &t), FILE_DAMAGED);
    ClearLabel(&sample);
}

}  // namespace
