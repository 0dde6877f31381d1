// Label bodies: the writer's round trip, every older version through its
// rules (fixtures from tests/support/label_file_builder.h), cuts at every
// byte and hostile values.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "catalog/catalog_ops.h"
#include "catalog/dates.h"
#include "base/text_field.h"
#include "document/body_file.h"
#include "document/catalog_section.h"
#include "document/label_copy.h"
#include "document/object_record_io.h"
#include "tests/samples/sample_labels.h"
#include "tests/support/catalog_dump.h"
#include "tests/support/label_file_builder.h"

namespace {

struct Scratch {
    ZIPINFO label;
    Scratch() { std::memset(&label, 0, sizeof label); }
    ~Scratch() { FreeScratchLabel(&label); }
    LabelFileStatus Read(const std::string& bytes) {
        FreeScratchLabel(&label);
        return ReadBody(bytes.data(), bytes.size(), &label);
    }
};

std::string Written(const ZIPINFO& label) {
    std::string out;
    EXPECT_TRUE(WriteBody(label, &out));
    return out;
}

// The fixture body with one line (counted from 0 after the version line)
// replaced.
std::string WithLine(std::string body, int index, const std::string& text) {
    size_t start = body.find('\n') + 1;
    for (int i = 0; i < index; ++i) start = body.find('\n', start) + 1;
    return body.replace(start, body.find('\n', start) - start, text);
}

TEST(BodyFile, SampleLabelsOfEveryEditionReadBackAsWritten) {
    for (const EditionProfile* edition : {&kKestrinProfile, &kDovantelProfile, &kWimbrookProfile}) {
        Scratch sample;
        BuildSampleLabel(&sample.label, *edition, 4);
        std::string first = Written(sample.label);
        EXPECT_EQ(first.compare(0, 3, "41\n"), 0);
        Scratch back;
        ASSERT_EQ(back.Read(first), FILE_OK) << edition->name;
        EXPECT_EQ(DumpCatalog(&back.label), DumpCatalog(&sample.label));
        ASSERT_EQ(back.label.NumObjects, sample.label.NumObjects);
        for (int i = 0; i < back.label.NumObjects; ++i) {
            const PlacedObject &a = back.label.Objects[i], &b = sample.label.Objects[i];
            EXPECT_EQ(a.bitmapSize, b.bitmapSize);
            if (a.bitmap) {
                EXPECT_EQ(std::memcmp(a.bitmap, b.bitmap, a.bitmapSize), 0);
            }
            EXPECT_EQ(a.bits - a.bitmap, b.bits - b.bitmap);
        }
        EXPECT_EQ(Written(back.label), first);  // every field written came back
    }
}

TEST(BodyFile, EveryVersionReadsWithItsRules) {
    // Files older than 25 hold no dates: the reader takes today's.
    SetTodayDatesHook([](char* s, int shortSize, char* l, int longSize) {
        CopyText(s, static_cast<size_t>(shortSize), "today");
        CopyText(l, static_cast<size_t>(longSize), "today, long");
    });
    for (int v : {16, 17, 18, 20, 25, 30, 40, 41}) {
        SCOPED_TRACE(v);
        Scratch s;
        ASSERT_EQ(s.Read(fixture::Body(v)), FILE_OK);
        const ZIPINFO& l = s.label;
        EXPECT_STREQ(l.VolumeName, "SPINE");
        EXPECT_EQ(l.Columns, 4);
        EXPECT_EQ(l.Lined, v >= 25 ? 1 : 0);  // before 25 from the sign of the columns
        EXPECT_EQ(l.ShowZip, v >= 17 ? 0 : 1);
        EXPECT_EQ(l.LblFmt, v >= 17 ? 5 : 0);
        EXPECT_EQ(l.Opposing, v >= 19 ? 1 : 0);
        EXPECT_EQ(l.SpineAlign, v >= 19 ? 2 : 0);
        EXPECT_EQ(l.BkgndColor, v >= 18 ? 0x00FF00u : 0xFFFFFFu);
        EXPECT_EQ(l.SpineBkgndColor, v >= 18 ? 0xABCDEFu : 0xFFFFFFu);
        EXPECT_EQ(l.SpineFontColor, 4u);
        EXPECT_EQ(l.SpaceTotal, v >= 25 ? 3000 : 0);
        EXPECT_EQ(l.NumFolders, v >= 25 ? 2 : 0);
        EXPECT_STREQ(l.ShortDate, v >= 25 ? "1/2/03" : "today");
        EXPECT_STREQ(l.LongDate, v >= 25 ? "Thursday" : "today, long");
        EXPECT_STREQ(l.CommFont.lfFaceName, "Courier New");
        EXPECT_STREQ(l.SpineFont.lfFaceName, "");
        EXPECT_EQ(l.SpineFont.lfHeight, -19);
        EXPECT_EQ(l.NumExtStyles, v > 16 ? 1 : 0);
        EXPECT_EQ(DumpCatalog(&l), "docs|[dir]{a.txt|1K, deep|[dir]{b.c|3}}, x.zip|2G");
        EXPECT_EQ(l.Entries[1].Size, 2147483648u);
        ASSERT_EQ(l.NumObjects, v >= 17 ? 2 : 1);
        const PlacedObject& picture = l.Objects[0];
        EXPECT_EQ(picture.rec.Type, OBJECT_PICTURE);
        EXPECT_STREQ(picture.rec.Picture.FileName, "C:\\logo.bmp");
        EXPECT_EQ(picture.rec.Page, 2);
        EXPECT_EQ(picture.rec.Layer, -1);
        EXPECT_EQ(picture.rec.Right, 60);
        // Version 16 held one rectangle: placement and natural size.
        EXPECT_EQ(picture.rec.Picture.NaturalRight, v == 16 ? 60 : 102);
        EXPECT_EQ(picture.rec.Picture.BitmapWord, 0u);
        ASSERT_EQ(picture.bitmapSize, fixture::Bitmap().size());
        EXPECT_EQ(picture.bits, picture.bitmap + 40);
        if (v < 17) continue;
        const ObjectRecord& text = l.Objects[1].rec;
        EXPECT_STREQ(text.Text, "Line one\r\nLine two");
        EXPECT_EQ(text.Font.lfWeight, 700);
        EXPECT_EQ(text.Font.lfUnderline, 1);
        EXPECT_EQ(text.Orientation, 90);
        EXPECT_EQ(text.HAlign, v >= 25 ? 2 : 1);  // centred before there were alignments
        EXPECT_EQ(text.VAlign, v >= 25 ? 0 : 1);
    }
    SetTodayDatesHook(nullptr);
}

TEST(BodyFile, OnlyVersion16To41IsRead) {
    for (const char* line : {"1.6", "16", "17", "41", " 25 "}) EXPECT_NE(BodyVersionCode(line), 0) << line;
    for (const char* line : {"42", "15", "4.1", "1.7", "nan", "", "1.60", "4e1", "-41"})
        EXPECT_EQ(BodyVersionCode(line), 0) << line;
    Scratch s;
    std::string body = fixture::Body(41);
    EXPECT_EQ(s.Read("42" + body.substr(2)), FILE_BAD_VERSION);
    EXPECT_EQ(s.label.NumEntries, 0);
}

TEST(BodyFile, CutAtEveryByteFailsWithNothingRead) {
    std::string body = fixture::Body(41);
    for (size_t cut = 0; cut < body.size(); ++cut) {
        ZIPINFO label;
        std::memset(&label, 0, sizeof label);
        ASSERT_NE(ReadBody(body.data(), cut, &label), FILE_OK) << cut;
        ASSERT_EQ(label.Entries, nullptr);
        ASSERT_EQ(label.Objects, nullptr);
        ASSERT_EQ(label.ExtStyles, nullptr);
    }
}

TEST(BodyFile, CountsAndSizesBeyondTheFileAreRefused) {
    std::string body = fixture::Body(41);
    size_t catalog = body.find("2\n.docs");
    size_t objects = body.find("\n2\n", body.find(".x.zip")) + 1;
    Scratch s;
    for (const char* count : {"-1", "100000", "4294967296"})
        EXPECT_EQ(s.Read(body.substr(0, catalog) + count + body.substr(catalog + 1)), FILE_DAMAGED) << count;
    for (const char* count : {"-1", "3", "4097"})
        EXPECT_EQ(s.Read(body.substr(0, objects) + count + body.substr(objects + 1)), FILE_DAMAGED) << count;
    // Lines counted from the spine text: 2 is SortMode, 24 SpaceFree.
    EXPECT_EQ(s.Read(WithLine(body, 2, "2147483648")), FILE_DAMAGED);
    EXPECT_EQ(s.Read(WithLine(body, 2, "2x")), FILE_DAMAGED);
    EXPECT_EQ(s.Read(WithLine(body, 2, std::string(60, '8'))), FILE_DAMAGED);  // found by fuzzing
    EXPECT_EQ(s.Read(WithLine(body, 24, "5000000000")), FILE_OK);  // space figures are 64 bits
    EXPECT_EQ(s.label.SpaceFree, 5000000000);
    size_t styles = body.find("1\n.txt\n");
    EXPECT_EQ(s.Read(body.substr(0, styles) + "255" + body.substr(styles + 1)), FILE_DAMAGED);

    std::string record = fixture::PictureRecord(41);
    size_t at = body.find(record.substr(0, 40));
    ASSERT_NE(at, std::string::npos);
    std::string bad = body;
    fixture::Put32(&bad, at, 3);  // neither picture nor string
    EXPECT_EQ(s.Read(bad), FILE_DAMAGED);
    bad = body;
    fixture::Put32(&bad, at + 28 + 130, 1 << 30);  // a bitmap larger than the file
    EXPECT_EQ(s.Read(bad), FILE_DAMAGED);
    bad = body;
    fixture::Put32(&bad, at + 28 + 138, 14 + 57);  // bits beyond the bitmap
    EXPECT_EQ(s.Read(bad), FILE_DAMAGED);
}

TEST(BodyFile, NestingIsBoundedAndValuesComeIntoRange) {
    auto nested = [](int depth) {
        std::string lines;
        for (int i = 0; i < depth; ++i) lines += "1\n.f\n.\n0\n1\n1\n0\n";
        return lines + "0\n";
    };
    std::string body = fixture::Body(41);
    size_t catalog = body.find("2\n.docs"), objects = body.find("\n2\n", body.find(".x.zip")) + 1;
    std::string head = body.substr(0, catalog), tail = body.substr(objects);
    Scratch s;
    EXPECT_EQ(s.Read(head + nested(kMaxCatalogDepth) + tail), FILE_OK);
    EXPECT_EQ(s.Read(head + nested(kMaxCatalogDepth + 1) + tail), FILE_DAMAGED);
    EXPECT_EQ(s.Read(head + nested(100000) + tail), FILE_DAMAGED);  // no stack overflow either

    std::string odd = body, record = fixture::PictureRecord(41);
    size_t at = odd.find(record.substr(0, 40));
    fixture::Put32(&odd, at + 4, 0x7FFFFFFF);  // page
    fixture::Put32(&odd, at + 8, 7);           // layer
    for (int i = 0; i < 4; ++i) fixture::Put32(&odd, at + 180 + 4 * i, 0);  // no natural size
    odd = WithLine(odd, 0, "." + std::string(1000, 'v'));
    ASSERT_EQ(s.Read(odd), FILE_OK);
    EXPECT_EQ(std::strlen(s.label.VolumeName), 63u);
    const ObjectRecord& p = s.label.Objects[0].rec;
    EXPECT_EQ(p.Page, 1000);
    EXPECT_EQ(p.Layer, 1);
    EXPECT_EQ(p.Picture.NaturalRight - p.Picture.NaturalLeft, 2);  // from the bitmap
    EXPECT_EQ(p.Picture.NaturalTop - p.Picture.NaturalBottom, 2);
}

TEST(BodyFile, OneLineTextsKeepTheirLines) {
    Scratch s;
    ASSERT_EQ(s.Read(fixture::Body(41)), FILE_OK);
    CopyField(s.label.Entries[0].Name, "member\nname.txt");
    CopyField(s.label.Comment, "one\r\ntwo");
    Scratch back;
    ASSERT_EQ(back.Read(Written(s.label)), FILE_OK);
    EXPECT_STREQ(back.label.Entries[0].Name, "member name.txt");
    EXPECT_STREQ(back.label.Comment, "one  two");
}

TEST(BodyFile, TakingALoadedLabelKeepsTheRecordsOwnParts) {
    ZIPINFO current;
    std::memset(&current, 0, sizeof current);
    BuildSampleLabel(&current, kKestrinProfile);
    current.LabelNumber = 3;
    current.LabelOriginX = 11;
    current.PageHeight = -500;
    current.SelectionKind = 1;
    current.LayoutValid = 1;
    LayoutCache cache = current.Layout;
    Scratch loaded;
    ASSERT_EQ(loaded.Read(fixture::Body(41)), FILE_OK);
    TakeLoadedLabel(&current, &loaded.label);
    EXPECT_EQ(current.LabelNumber, 3);
    EXPECT_EQ(current.LabelOriginX, 11);
    EXPECT_EQ(current.PageHeight, -500);
    EXPECT_EQ(current.Layout.entry, cache.entry);
    EXPECT_EQ(current.LayoutValid, 0);
    EXPECT_EQ(current.SelectionKind, 0);
    EXPECT_STREQ(current.VolumeName, "SPINE");
    EXPECT_EQ(loaded.label.Entries, nullptr);
    ClearLabel(&current);
}

}  // namespace
