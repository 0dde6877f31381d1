// Label files on Windows: every sample label draws the same pages after a
// save and a reload; whole-file reading refuses what is no plain file or
// too large.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "catalog/catalog_ops.h"
#include "document/body_file.h"
#include "document/label_copy.h"
#include "document/win32/label_file_io_win32.h"
#include "render/label_geometry.h"
#include "tests/samples/page_bitmap.h"
#include "tests/samples/sample_labels.h"

namespace {

// The page's pixels; with LABEL_SCREENSHOTS=Z:\some\folder also kept there
// as <name>.bmp when a name is given.
std::vector<uint32_t> Pixels(ZIPINFO* label, const EditionProfile& e, int kind, int page, const std::string& name = "") {
    LabelSize size = PageSizeFor(e, kind, page);
    Canvas canvas = MakePageCanvas(size.width + 20, -size.height + 20);
    RenderPage(&canvas, label, {&e, kind, page, 1, false, 0, "zip", "1,000"}, 10, -10);
    const char* folder = std::getenv("LABEL_SCREENSHOTS");
    if (folder && !name.empty()) SaveCanvasBmp(canvas, std::string(folder) + "\\" + name + ".bmp");
    std::vector<uint32_t> pixels(canvas.pixels, canvas.pixels + canvas.width * canvas.height);
    FreePageCanvas(&canvas);
    return pixels;
}

TEST(LabelFilePages, EverySampleLabelDrawsTheSamePagesAfterSavingAndReopening) {
    struct Case {
        const EditionProfile* edition;
        int kind, labels, pages;
    };
    for (const Case& c : {Case{&kKestrinProfile, KIND_BOOKLET, 1, 4}, Case{&kDovantelProfile, KIND_COVERS, 1, 2},
                          Case{&kWimbrookProfile, KIND_SHEET, 9, 2}}) {
        for (int index = 0; index < c.labels; ++index) {
            ZIPINFO sample, reopened;
            std::memset(&sample, 0, sizeof sample);
            std::memset(&reopened, 0, sizeof reopened);
            BuildSampleLabel(&sample, *c.edition, index);
            std::string bytes;
            ASSERT_TRUE(WriteBody(sample, &bytes));
            ASSERT_EQ(ReadBody(bytes.data(), bytes.size(), &reopened), FILE_OK);
            for (int page = 1; page <= c.pages; ++page) {
                std::vector<uint32_t> drawn = Pixels(&sample, *c.edition, c.kind, page);
                std::string name = std::string("reopened-") + c.edition->name + "-" + std::to_string(index) + "-p" +
                                   std::to_string(page);
                EXPECT_TRUE(drawn == Pixels(&reopened, *c.edition, c.kind, page, name)) << name;
                EXPECT_LT(std::count(drawn.begin(), drawn.end(), 0xFFFFFFu), static_cast<long>(drawn.size()));
            }
            ClearLabel(&sample);
            FreeScratchLabel(&reopened);
        }
    }
}

TEST(LabelFileIo, OnlyPlainFilesWithinTheSizeAreRead) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string path = std::string(temp) + "label_file_io_test.bin", bytes;
    ASSERT_TRUE(ReplaceFileWith(path.c_str(), std::string(100, 'x')));
    EXPECT_EQ(ReadWholeFile(path.c_str(), 100, &bytes), READ_OK);
    EXPECT_EQ(bytes, std::string(100, 'x'));
    EXPECT_EQ(ReadWholeFile(path.c_str(), 99, &bytes), READ_TOO_BIG);
    EXPECT_EQ(ReadWholeFile((path + ".none").c_str(), 100, &bytes), READ_MISSING);
    EXPECT_EQ(ReadWholeFile("Q:\\none\\x.KSB", 100, &bytes), READ_MISSING);
    EXPECT_EQ(ReadWholeFile(temp, 100, &bytes), READ_FAILED);  // a folder
    EXPECT_EQ(ReadWholeFile("CON", 100, &bytes), READ_FAILED);
    EXPECT_TRUE(bytes.empty());
    // Writing into a folder that is not there leaves nothing behind.
    EXPECT_FALSE(ReplaceFileWith((std::string(temp) + "no such folder\\x.KSB").c_str(), "x"));
    DeleteFileA(path.c_str());
}

}  // namespace
