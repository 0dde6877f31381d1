// Renders pages of the sample labels (tests/samples) to BMP files at 100
// pixels per inch, for people to look at and for CI to check.
//
//   renderlabel EDITION OUTDIR [PAGE ...] [--spread]   pages of one edition
//   renderlabel --all OUTDIR                            the standard set
//   renderlabel --check OUTDIR                          checks the standard set
//
// EDITION is Kestrin, Dovantel or Wimbrook. --spread draws each page's
// spread (its two facing pages at half scale) instead of the page itself.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "catalog/catalog_ops.h"
#include "document/label_copy.h"
#include "render/label_geometry.h"
#include "render/page_origin.h"
#include "tests/samples/page_bitmap.h"
#include "tests/samples/sample_labels.h"

namespace {

struct Edition {
    const EditionProfile* profile;
    const char* file;  // file name stem
    int kind;
    const char* initials;
    const char* number;
};

const Edition kEditions[] = {
    {&kKestrinProfile, "kestrin", KIND_BOOKLET, "zip", "1,000"},
    {&kDovantelProfile, "dovantel", KIND_COVERS, "cd", "650"},
    {&kWimbrookProfile, "wimbrook", KIND_SHEET, "fd", "1.44"},
};

const Edition* FindEdition(const char* name) {
    for (const Edition& e : kEditions)
        if (_stricmp(name, e.profile->name) == 0 || _stricmp(name, e.file) == 0) return &e;
    return nullptr;
}

PageDrawing Drawing(const Edition& e, int page, int fullSize) {
    return {e.profile, e.kind, page, fullSize, false, 0, e.initials, e.number};
}

std::string PagePath(const std::string& dir, const Edition& e, const char* what, int page) {
    return dir + "/" + e.file + "-" + what + std::to_string(page) + ".bmp";
}

// The page alone at full size, 10 units from the picture's edges.
bool RenderOne(const Edition& e, ZIPINFO* label, int page, const std::string& path) {
    LabelSize size = PageSizeFor(*e.profile, e.kind, page);
    Canvas b = MakePageCanvas(size.width + 20, -size.height + 20);
    RenderPage(&b, label, Drawing(e, page, 1), 10, -10);
    bool ok = SaveCanvasBmp(b, path);
    FreePageCanvas(&b);
    return ok;
}

// The two facing pages of the page's spread at half scale, placed as the
// main window places them.
bool RenderSpread(const Edition& e, ZIPINFO* label, int page, const std::string& path) {
    Canvas b = MakePageCanvas(700, 560);
    int first = ((page - 1) & ~1) + 1;
    for (int p = first; p <= first + 1; ++p) {
        PageOriginFor(label, *e.profile, e.kind, p, 0, 7, -6);
        DrawPage(b.dc, label, Drawing(e, p, 0));
    }
    bool ok = SaveCanvasBmp(b, path);
    FreePageCanvas(&b);
    return ok;
}

// Wimbrook: page 1 of the nine labels of a sheet in their grid.
bool RenderSheet(const Edition& e, const std::string& path) {
    Canvas b = MakePageCanvas(3 * 275 + 20, 3 * 300 + 20);
    for (int i = 0; i < 9; ++i) {
        ZIPINFO label;
        std::memset(&label, 0, sizeof label);
        BuildSampleLabel(&label, *e.profile, i);
        LabelPoint at = SheetLabelOffset(i);
        RenderPage(&b, &label, Drawing(e, 1, 1), 10 + at.x, -10 + at.y);
        ClearLabel(&label);
    }
    bool ok = SaveCanvasBmp(b, path);
    FreePageCanvas(&b);
    return ok;
}

bool RenderPages(const Edition& e, const std::string& dir, const std::vector<int>& pages, bool spread) {
    ZIPINFO label;
    std::memset(&label, 0, sizeof label);
    BuildSampleLabel(&label, *e.profile);
    bool ok = true;
    for (int page : pages) {
        std::string path = PagePath(dir, e, spread ? "spread" : "p", page);
        bool done = spread ? RenderSpread(e, &label, page, path) : RenderOne(e, &label, page, path);
        std::printf("%s %s\n", done ? "wrote" : "FAILED", path.c_str());
        ok = ok && done;
    }
    ClearLabel(&label);
    return ok;
}

bool RenderAll(const std::string& dir) {
    bool ok = RenderPages(kEditions[0], dir, {1, 2, 3, 4}, false);
    ok = RenderPages(kEditions[0], dir, {1, 3}, true) && ok;
    ok = RenderPages(kEditions[1], dir, {1, 2}, false) && ok;
    ok = RenderPages(kEditions[1], dir, {1}, true) && ok;
    ok = RenderPages(kEditions[2], dir, {1, 2}, false) && ok;
    std::string sheet = dir + "/wimbrook-sheet.bmp";
    bool done = RenderSheet(kEditions[2], sheet);
    std::printf("%s %s\n", done ? "wrote" : "FAILED", sheet.c_str());
    return ok && done;
}

// ---- checking the standard set ------------------------------------------

struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;  // top-down, 3 bytes a pixel
    bool Has(COLORREF c) const {
        for (size_t i = 0; i + 2 < rgb.size(); i += 3)
            if (RGB(rgb[i], rgb[i + 1], rgb[i + 2]) == c) return true;
        return false;
    }
    int Dark() const {
        int n = 0;
        for (size_t i = 0; i + 2 < rgb.size(); i += 3)
            if (rgb[i] + rgb[i + 1] + rgb[i + 2] < 150) ++n;
        return n;
    }
};

bool ReadPicture(const std::string& path, Picture* out) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    uint8_t h[54];
    bool ok = std::fread(h, 1, 54, file) == 54 && h[0] == 'B' && h[1] == 'M' && h[28] == 24;
    if (ok) {
        auto get32 = [&](int at) { return h[at] | h[at + 1] << 8 | h[at + 2] << 16 | h[at + 3] << 24; };
        out->width = get32(18);
        out->height = get32(22);
        ok = out->width > 0 && out->height > 0 && out->width < 5000 && out->height < 5000;
    }
    if (ok) {
        size_t rowSize = (static_cast<size_t>(out->width) * 3 + 3) & ~3u;
        std::vector<uint8_t> row(rowSize);
        out->rgb.assign(static_cast<size_t>(out->width) * out->height * 3, 0);
        for (int y = out->height - 1; y >= 0 && ok; --y) {
            ok = std::fread(row.data(), 1, rowSize, file) == rowSize;
            for (int x = 0; x < out->width && ok; ++x) {
                uint8_t* p = &out->rgb[(static_cast<size_t>(y) * out->width + x) * 3];
                p[0] = row[3 * x + 2];
                p[1] = row[3 * x + 1];
                p[2] = row[3 * x];
            }
        }
    }
    std::fclose(file);
    return ok;
}

// The later of two styles matching an extension wins, so the first "txt"
// style's colour never shows.
const COLORREF kLosingStyle = RGB(200, 0, 0);

bool Check(const std::string& dir, const char* name, int width, int height, int minDark,
           std::vector<COLORREF> colours) {
    Picture p;
    std::string path = dir + "/" + name;
    bool ok = ReadPicture(path, &p);
    std::string why = ok ? "" : "unreadable";
    if (ok && (p.width != width || p.height != height)) ok = false, why = "wrong size";
    if (ok && p.Dark() < minDark) ok = false, why = "too little ink";
    for (COLORREF c : colours)
        if (ok && !p.Has(c)) ok = false, why = "a colour is missing";
    if (ok && p.Has(kLosingStyle)) ok = false, why = "an overridden style shows";
    std::printf("%s %s %s\n", ok ? "ok" : "BAD", path.c_str(), why.c_str());
    return ok;
}

bool CheckAll(const std::string& dir) {
    const COLORREF grey = RGB(128, 128, 128), purple = RGB(128, 0, 128), green = RGB(0, 140, 0);
    const COLORREF blue = RGB(0, 0, 200), outline = RGB(0, 0, 0);
    bool ok = Check(dir, "kestrin-p1.bmp", 589, 501, 4000, {grey, green, blue, outline, RGB(255, 230, 150)});
    ok = Check(dir, "kestrin-p2.bmp", 514, 501, 4000, {RGB(0, 110, 0), RGB(255, 120, 120)}) && ok;
    ok = Check(dir, "kestrin-p3.bmp", 589, 501, 3000, {RGB(255, 240, 0), green}) && ok;
    ok = Check(dir, "kestrin-p4.bmp", 514, 501, 1000, {RGB(160, 0, 0)}) && ok;
    ok = Check(dir, "kestrin-spread1.bmp", 700, 560, 2000, {grey}) && ok;
    ok = Check(dir, "kestrin-spread3.bmp", 700, 560, 1000, {}) && ok;
    ok = Check(dir, "dovantel-p1.bmp", 611, 480, 3000, {purple, RGB(230, 240, 255), RGB(255, 200, 120)}) && ok;
    ok = Check(dir, "dovantel-p2.bmp", 500, 495, 4000, {RGB(0, 0, 140), RGB(200, 255, 200)}) && ok;
    ok = Check(dir, "dovantel-spread1.bmp", 700, 560, 2000, {purple}) && ok;
    ok = Check(dir, "wimbrook-p1.bmp", 295, 295, 1000, {grey, RGB(160, 0, 0), blue}) && ok;
    ok = Check(dir, "wimbrook-p2.bmp", 295, 295, 300, {RGB(0, 100, 0)}) && ok;
    ok = Check(dir, "wimbrook-sheet.bmp", 845, 920, 9000, {grey}) && ok;
    return ok;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: renderlabel EDITION OUTDIR [PAGE ...] [--spread]\n"
                 "       renderlabel --all OUTDIR\n"
                 "       renderlabel --check OUTDIR\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    std::string first = argv[1], dir = argv[2];
    if (first == "--all") return RenderAll(dir) ? 0 : 1;
    if (first == "--check") return CheckAll(dir) ? 0 : 1;
    const Edition* e = FindEdition(argv[1]);
    if (!e) return Usage();
    std::vector<int> pages;
    bool spread = false;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--spread") == 0) spread = true;
        else if (std::atoi(argv[i]) >= 1 && std::atoi(argv[i]) <= 1000) pages.push_back(std::atoi(argv[i]));
        else return Usage();
    }
    if (pages.empty()) pages = {1, 2};
    return RenderPages(*e, dir, pages, spread) ? 0 : 1;
}
