// Loading BMP and JPEG pictures, good and damaged. The test pictures are
// made here: BMP bytes by hand, JPEGs with the JPEG library's compressor.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

#include "document/picture_loader.h"

#ifdef _WIN32
#include <direct.h>
#define MAKE_DIR(path) _mkdir(path)
#else
#define MAKE_DIR(path) mkdir(path, 0755)
#endif

namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, size_t at, uint32_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(Bytes& b, size_t at, uint32_t v) {
    Put16(b, at, v);
    Put16(b, at + 2, v >> 16);
}
uint32_t Get32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }

// A 24-bit uncompressed BMP file.
Bytes MakeBmp(int width, int height, int pixelsPerMetre) {
    uint32_t row = (3 * width + 3) & ~3u;
    uint32_t size = 54 + row * height;
    Bytes b(size, 0x5A);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, size);
    Put32(b, 6, 0);
    Put32(b, 10, 54);
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<uint32_t>(width));
    Put32(b, 22, static_cast<uint32_t>(height));
    Put16(b, 26, 1);
    Put16(b, 28, 24);
    Put32(b, 30, 0);
    Put32(b, 34, row * height);
    Put32(b, 38, static_cast<uint32_t>(pixelsPerMetre));
    Put32(b, 42, static_cast<uint32_t>(pixelsPerMetre));
    Put32(b, 46, 0);
    Put32(b, 50, 0);
    return b;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

Bytes ReadFile(const std::string& path) {
    Bytes bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return bytes;
    int c;
    while ((c = std::fgetc(f)) != EOF) bytes.push_back(static_cast<uint8_t>(c));
    std::fclose(f);
    return bytes;
}

struct Rgb {
    uint8_t r, g, b;
};

// A JPEG made by the library's compressor: colour (RGB) or grey.
void WriteJpeg(const std::string& path, int width, int height, bool grey, const std::function<Rgb(int, int)>& pixel) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    jpeg_stdio_dest(&info, f);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(width) * info.input_components);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Rgb c = pixel(x, y);
            if (grey) {
                row[x] = c.r;
            } else {
                row[3 * x] = c.r;
                row[3 * x + 1] = c.g;
                row[3 * x + 2] = c.b;
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(f);
}

class PictureTest : public testing::Test {
protected:
    void SetUp() override { std::memset(&object_, 0, sizeof object_); }
    void TearDown() override {
        FreeObjectData(&object_);
        for (const std::string& p : files_) std::remove(p.c_str());
    }
    std::string Path(const std::string& name) {
        std::string path = "picture_test_" + name;
        files_.push_back(path);
        return path;
    }
    bool LoadBytes(const std::string& name, const Bytes& bytes) {
        std::string path = Path(name);
        WriteFile(path, bytes);
        FreeObjectData(&object_);
        return LoadPicture(path.c_str(), &object_);
    }
    int Width() const { return object_.rec.Picture.NaturalRight - object_.rec.Picture.NaturalLeft; }
    int Height() const { return object_.rec.Picture.NaturalTop - object_.rec.Picture.NaturalBottom; }
    PlacedObject object_;
    std::vector<std::string> files_;
};

TEST_F(PictureTest, BmpResolutionSetsTheNaturalSize) {
    ASSERT_TRUE(LoadBytes("zero.bmp", MakeBmp(30, 20, 0)));
    EXPECT_EQ(object_.rec.Type, OBJECT_PICTURE);
    EXPECT_EQ(Width(), 30);  // 0 counts as 72 per inch: a unit a pixel
    EXPECT_EQ(Height(), 20);
    EXPECT_EQ(object_.rec.Picture.NaturalLeft, 100);
    EXPECT_EQ(object_.rec.Picture.NaturalTop, -100);
    EXPECT_EQ(object_.rec.Left, 100);
    EXPECT_EQ(object_.rec.Bottom, -120);
    ASSERT_TRUE(LoadBytes("double.bmp", MakeBmp(30, 20, 5670)));
    EXPECT_EQ(Width(), 15);  // 144 per inch: half a unit a pixel
    EXPECT_EQ(Height(), 10);
    EXPECT_EQ(object_.bits, object_.bitmap + 40);
    EXPECT_EQ(Get32(object_.bitmap), 40u);
    EXPECT_STREQ(object_.rec.Picture.FileName, "picture_test_double.bmp");
}

TEST_F(PictureTest, BmpWhoseHeaderUnderstatesTheFileGetsAllOfIt) {
    Bytes bmp = MakeBmp(8, 8, 2835);
    Put32(bmp, 2, 60);
    ASSERT_TRUE(LoadBytes("short.bmp", bmp));
    EXPECT_EQ(FileHeaderSize(object_.rec), bmp.size());
    EXPECT_EQ(object_.bitmapSize, bmp.size() - 14);
    EXPECT_EQ(std::memcmp(object_.bitmap, bmp.data() + 14, bmp.size() - 14), 0);
}

TEST_F(PictureTest, DamagedBmpsFailWithoutKeepingAnything) {
    struct Case {
        const char* what;
        std::function<void(Bytes&)> damage;
    } cases[] = {
        {"header claims more than the file", [](Bytes& b) { Put32(b, 2, static_cast<uint32_t>(b.size()) + 100); }},
        {"bits offset past the end", [](Bytes& b) { Put32(b, 10, static_cast<uint32_t>(b.size()) + 1); }},
        {"bits offset inside the header", [](Bytes& b) { Put32(b, 10, 30); }},
        {"bits offset below the file header", [](Bytes& b) { Put32(b, 10, 2); }},
        {"zero width", [](Bytes& b) { Put32(b, 18, 0); }},
        {"negative width", [](Bytes& b) { Put32(b, 18, static_cast<uint32_t>(-30)); }},
        {"absurd height", [](Bytes& b) { Put32(b, 22, 0x7FFFFFFF); }},
        {"absurd width and height", [](Bytes& b) { Put32(b, 18, 0x40000000), Put32(b, 22, 0x40000000); }},
        {"most negative height", [](Bytes& b) { Put32(b, 22, 0x80000000u); }},
        {"rows beyond the data", [](Bytes& b) { Put32(b, 22, 21); }},
        {"not BM", [](Bytes& b) { b[1] = 'A'; }},
        {"unknown header size", [](Bytes& b) { Put32(b, 14, 41); }},
        {"header larger than the file", [](Bytes& b) { Put32(b, 14, 124), b.resize(100), Put32(b, 2, 100); }},
        {"colour table beyond the data", [](Bytes& b) { Put16(b, 28, 8), Put32(b, 46, 256); }},
        {"more colours than the depth has", [](Bytes& b) { Put16(b, 28, 8), Put32(b, 46, 100000); }},
        {"run-length data beyond the file", [](Bytes& b) { Put16(b, 28, 8), Put32(b, 30, 1), Put32(b, 34, 1u << 30); }},
        {"unknown compression", [](Bytes& b) { Put32(b, 30, 4); }},
        {"depth of 7 bits", [](Bytes& b) { Put16(b, 28, 7); }},
        {"two planes", [](Bytes& b) { Put16(b, 26, 2); }},
        {"cut inside the header", [](Bytes& b) { b.resize(20); }},
        {"empty file", [](Bytes& b) { b.clear(); }},
    };
    int n = 0;
    for (const Case& c : cases) {
        Bytes bmp = MakeBmp(30, 20, 2835);
        c.damage(bmp);
        EXPECT_FALSE(LoadBytes("bad" + std::to_string(n++) + ".bmp", bmp)) << c.what;
        EXPECT_EQ(object_.bitmap, nullptr) << c.what;
    }
}

TEST_F(PictureTest, PaletteAndCoreHeaderBitmapsLoad) {
    // 8 bits with a full colour table, and an old 12-byte core header.
    Bytes pal(14 + 40 + 256 * 4 + 4 * 2, 0);
    pal[0] = 'B', pal[1] = 'M';
    Put32(pal, 2, static_cast<uint32_t>(pal.size()));
    Put32(pal, 10, 14 + 40 + 1024);
    Put32(pal, 14, 40), Put32(pal, 18, 3), Put32(pal, 22, 2), Put16(pal, 26, 1), Put16(pal, 28, 8);
    ASSERT_TRUE(LoadBytes("pal.bmp", pal));
    EXPECT_EQ(object_.bits, object_.bitmap + 40 + 1024);
    Bytes core(14 + 12 + 2 * 3 + 4 * 4, 0);
    core[0] = 'B', core[1] = 'M';
    Put32(core, 2, static_cast<uint32_t>(core.size()));
    Put32(core, 10, 14 + 12 + 6);
    Put32(core, 14, 12), Put16(core, 18, 4), Put16(core, 20, 4), Put16(core, 22, 1), Put16(core, 24, 1);
    ASSERT_TRUE(LoadBytes("core.bmp", core));
    EXPECT_EQ(Width(), 4);
}

TEST_F(PictureTest, FolderAndMissingFileFail) {
    std::string folder = Path("folder.bmp");
    MAKE_DIR(folder.c_str());
    EXPECT_FALSE(LoadPicture(folder.c_str(), &object_));
    rmdir(folder.c_str());
    EXPECT_FALSE(LoadPicture("picture_test_missing.bmp", &object_));
    EXPECT_EQ(object_.bitmap, nullptr);
}

TEST_F(PictureTest, ColourJpegBecomesABottomUpBgrBitmap) {
    std::string path = Path("colour.jpg");
    // Top half red, bottom half blue; 5 wide so rows need padding.
    WriteJpeg(path, 5, 16, false, [](int, int y) { return y < 8 ? Rgb{255, 0, 0} : Rgb{0, 0, 255}; });
    ASSERT_TRUE(LoadPicture(path.c_str(), &object_));
    const uint8_t* h = object_.bitmap;
    EXPECT_EQ(Get32(h), 40u);
    EXPECT_EQ(Get32(h + 4), 5u);
    EXPECT_EQ(Get32(h + 8), 16u);  // positive: bottom-up
    EXPECT_EQ(h[14], 24);
    EXPECT_EQ(Get32(h + 20), 16u * 16u);  // rows of 15 bytes padded to 16
    EXPECT_EQ(Get32(h + 24), 2835u);
    EXPECT_EQ(FileHeaderSize(object_.rec), 54u + 256u);
    EXPECT_EQ(FileHeaderBitsOffset(object_.rec), 54u);
    EXPECT_EQ(object_.bitmapSize, 40u + 256u);
    EXPECT_EQ(object_.bits, object_.bitmap + 40);
    EXPECT_EQ(Width(), 5);
    EXPECT_EQ(Height(), 16);
    const uint8_t* bottom = object_.bits;            // last image row: blue
    const uint8_t* top = object_.bits + 15 * 16;     // first image row: red
    EXPECT_GT(bottom[0], 200);  // blue first
    EXPECT_LT(bottom[2], 60);
    EXPECT_LT(top[0], 60);
    EXPECT_GT(top[2], 200);  // red last
}

TEST_F(PictureTest, GreyJpegGetsThreeEqualBytesAPixel) {
    std::string path = Path("grey.jpg");
    WriteJpeg(path, 7, 3, true, [](int x, int) { return Rgb{static_cast<uint8_t>(x * 30), 0, 0}; });
    ASSERT_TRUE(LoadPicture(path.c_str(), &object_));
    EXPECT_EQ(object_.bitmap[14], 24);
    for (int y = 0; y < 3; ++y) {
        const uint8_t* row = object_.bits + y * 24;
        for (int x = 0; x < 7; ++x) {
            EXPECT_EQ(row[3 * x], row[3 * x + 1]);
            EXPECT_EQ(row[3 * x + 1], row[3 * x + 2]);
        }
        EXPECT_NEAR(row[3 * 6], 180, 6);
    }
}

TEST_F(PictureTest, JpgAnywhereInTheNameChoosesTheJpegDecoder) {
    EXPECT_TRUE(PathIsJpeg("photo.jpg"));
    EXPECT_TRUE(PathIsJpeg("C:\\PICS\\PHOTO.JPG"));
    EXPECT_TRUE(PathIsJpeg("photo.jpg.bak"));
    EXPECT_FALSE(PathIsJpeg("photo.jpeg"));
    EXPECT_FALSE(PathIsJpeg("jpg.bmp"));
    std::string jpeg = Path("photo.jpg.bak");
    WriteJpeg(jpeg, 4, 4, false, [](int, int) { return Rgb{10, 200, 30}; });
    EXPECT_TRUE(LoadPicture(jpeg.c_str(), &object_));
    // A BMP under such a name goes to the JPEG decoder too, and fails.
    EXPECT_FALSE(LoadBytes("really.jpg.bmp", MakeBmp(4, 4, 2835)));
    EXPECT_EQ(object_.bitmap, nullptr);
}

TEST_F(PictureTest, DamagedJpegsFail) {
    std::string good = Path("good.jpg");
    WriteJpeg(good, 64, 64, false, [](int x, int y) { return Rgb{static_cast<uint8_t>(x * 4), static_cast<uint8_t>(y * 4), 9}; });
    Bytes jpeg = ReadFile(good);
    ASSERT_GT(jpeg.size(), 200u);
    Bytes cut(jpeg.begin(), jpeg.begin() + static_cast<long>(jpeg.size() / 2));
    EXPECT_FALSE(LoadBytes("cut.jpg", cut));
    Bytes headerOnly(jpeg.begin(), jpeg.begin() + 20);
    EXPECT_FALSE(LoadBytes("header.jpg", headerOnly));
    Bytes garbage = {0xFF, 0xD8, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0};
    EXPECT_FALSE(LoadBytes("garbage.jpg", garbage));
    EXPECT_FALSE(LoadBytes("empty.jpg", Bytes{}));
    // A frame header that claims 65000 x 65000 pixels is refused before any
    // pixel memory is taken.
    Bytes huge = jpeg;
    for (size_t i = 0; i + 8 < huge.size(); ++i) {
        if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
            huge[i + 5] = 0xFD, huge[i + 6] = 0xE8, huge[i + 7] = 0xFD, huge[i + 8] = 0xE8;
            break;
        }
    }
    EXPECT_FALSE(LoadBytes("huge.jpg", huge));
    EXPECT_EQ(object_.bitmap, nullptr);
    // The undamaged file still loads after all of these.
    EXPECT_TRUE(LoadBytes("again.jpg", jpeg));
}

}  // namespace

namespace {

// The fuzzers' seed pictures, made with an image tool: every depth and
// compression a BMP may have, and baseline, progressive, grey, subsampled
// and restart-marker JPEGs.
std::string CorpusFile(const char* kind, const char* name) {
    std::string source = __FILE__;
    std::string root = source.substr(0, source.rfind("tests"));
#ifdef _WIN32
    if (!root.empty() && root[0] == '/') root = "Z:" + root;
#endif
    return root + "tests/fuzz/corpus/" + kind + "/" + name;
}

TEST(PictureFormats, EverySeedPictureLoads) {
    const char* bmps[] = {"m1.bmp", "p4.bmp", "p8.bmp", "p8u.bmp", "rle8.bmp", "g24.bmp", "a32.bmp", "x16.bmp",
                          "core.bmp"};
    const char* jpegs[] = {"c.jpg", "g.jpg", "p.jpg", "r.jpg", "s420.jpg"};
    for (const char* name : bmps) {
        PlacedObject o = {};
        EXPECT_TRUE(LoadPicture(CorpusFile("bmp", name).c_str(), &o)) << name;
        EXPECT_GT(o.rec.Picture.NaturalRight - o.rec.Picture.NaturalLeft, 0) << name;
        FreeObjectData(&o);
    }
    for (const char* name : jpegs) {
        PlacedObject o = {};
        EXPECT_TRUE(LoadPicture(CorpusFile("jpeg", name).c_str(), &o)) << name;
        FreeObjectData(&o);
    }
}

}  // namespace
