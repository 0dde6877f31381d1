// Label bodies and templates of every version, written here from the file
// format tables (which lines each version has, the record layouts) rather
// than by the program's writer: fixtures for the readers' tests and seeds
// for their fuzz targets. Header-only.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/text_field.h"
#include "record/placed_object.h"

namespace fixture {

// Lines of a file, as the old programs printed them.
struct Lines {
    std::string text;
    Lines& n(long long v) { return line(std::to_string(v)); }
    Lines& dot(const std::string& s) { return line("." + s); }
    Lines& line(const std::string& s) { text += s + "\n"; return *this; }
    Lines& raw(const std::string& s) { text += s; return *this; }
};

// The font block: five words, seven bytes, the face.
inline void Font(Lines& out, int height, int weight, const std::string& face) {
    out.n(height).n(0).n(0).n(0).n(weight);
    for (int i = 0; i < 7; ++i) out.n(i == 2 ? 1 : 0);  // character set 1, the rest 0
    out.line(face);
}

// The look the fixtures carry, in every line a version has.
inline void Look(Lines& out, int v) {
    out.dot("SPINE").dot("Backup %shortdate%").n(2).n(-1).n(-4);
    if (v >= 25) out.n(1);                       // Lined
    out.n(0).n(1).n(0);                          // ShowSize, ShowExt, ShowComm
    if (v >= 17) out.n(0).n(5);                  // ShowZip, LblFmt
    if (v >= 19) out.n(1);                       // Opposing
    if (v >= 18) out.n(0x00FF00);                // BkgndColor
    out.n(12).n(13).n(14).n(1);                  // three heights, ZipColor
    out.n(255).n(128).n(3).n(4);                 // four colours
    if (v >= 18) out.n(0xABCDEF);                // SpineBkgndColor
    if (v >= 19) out.n(2);                       // SpineAlign
    if (v >= 25) out.n(1000).n(2000).n(3000).n(7).n(2).dot("1/2/03").dot("Thursday");
    Font(out, -11, 400, "Arial");
    Font(out, -11, 700, "Arial");
    Font(out, -12, 400, "Courier New");
    Font(out, -19, 400, "");                     // an empty face must not shift what follows
    if (v > 16) {
        out.n(1).dot("txt").n(255);
        Font(out, -11, 400, "Times New Roman");
    }
}

// A body catalog: "docs" (closed, holding "a.txt" and "deep" with "b.c"), "x.zip".
inline void Catalog(Lines& out) {
    out.n(2);
    out.dot("docs").dot("[dir]").n(0).n(1).n(0).n(0);
    out.n(2).dot("a.txt").dot("1K").n(1024).n(0).n(0).n(0);
    out.dot("deep").dot("[dir]").n(0).n(1).n(1).n(2);
    out.n(1).dot("b.c").dot("3").n(3).n(0).n(0).n(1);
    out.dot("x.zip").dot("2G").n(-2147483647 - 1).n(0).n(0).n(0);
}

inline void Put32(std::string* s, size_t at, int32_t v) {
    for (int i = 0; i < 4; ++i) (*s)[at + i] = static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
}

// A packed 2 x 2 bitmap of 24 bits: header, two padded rows.
inline std::string Bitmap() {
    std::string b(40 + 16, '\x40');
    Put32(&b, 0, 40);
    Put32(&b, 4, 2);
    Put32(&b, 8, 2);
    Put32(&b, 12, 1 | (24 << 16));
    for (int at = 16; at < 40; at += 4) Put32(&b, at, 0);
    return b;
}

// What a picture loader would make of a file holding the bitmap above: the
// template tests' stand-in for the image files.
inline bool LoadTinyPicture(const char* path, PlacedObject* object) {
    std::string bitmap = Bitmap();
    object->rec.Type = OBJECT_PICTURE;
    CopyField(object->rec.Picture.FileName, path);
    object->bitmap = static_cast<uint8_t*>(std::malloc(bitmap.size()));
    std::memcpy(object->bitmap, bitmap.data(), bitmap.size());
    object->bitmapSize = static_cast<uint32_t>(bitmap.size());
    object->bits = object->bitmap + 40;
    PictureFields& p = object->rec.Picture;
    p.NaturalLeft = 100, p.NaturalTop = -100, p.NaturalRight = 102, p.NaturalBottom = -102;
    return true;
}

// Name, file header (size and bits offset for the bitmap above), padding,
// two address words, a rectangle: bytes 0 to 167 of a version 16 record,
// 28 to 195 of the later ones.
inline std::string PictureBytes(const std::string& name, int32_t l, int32_t t, int32_t r, int32_t b) {
    std::string p(168, '\0');
    p.replace(0, name.size(), name);
    p[128] = 'B', p[129] = 'M';
    Put32(&p, 130, 14 + static_cast<int32_t>(Bitmap().size()));
    Put32(&p, 138, 14 + 40);
    Put32(&p, 144, 0x12345678);  // the address words of a running program
    Put32(&p, 148, 0x12345678);
    Put32(&p, 152, l), Put32(&p, 156, t), Put32(&p, 160, r), Put32(&p, 164, b);
    return p;
}

inline std::string Head(int type, int page, int layer, int32_t l, int32_t t, int32_t r, int32_t b) {
    std::string h(28, '\0');
    const int32_t v[] = {type, page, layer, l, t, r, b};
    for (int i = 0; i < 7; ++i) Put32(&h, 4 * i, v[i]);
    return h;
}

// A picture record of the version, its bitmap after it.
inline std::string PictureRecord(int v) {
    if (v <= 16) {
        std::string r = PictureBytes("C:\\logo.bmp", 10, -20, 60, -70);
        r.resize(176, '\0');
        Put32(&r, 168, 2), Put32(&r, 172, -1);  // page, layer
        return r + Bitmap();
    }
    size_t size = v < 25 ? 236 : v < 40 ? 1140 : 8308;
    std::string r = Head(1, 2, -1, 10, -20, 60, -70) + PictureBytes("C:\\logo.bmp", 100, -100, 102, -102);
    r.resize(size, '\0');
    return r + Bitmap();
}

// A string record: text, font description, then five words (to 24) or
// seven (from 25).
inline std::string StringRecord(int v, const std::string& text) {
    size_t textSize = v < 25 ? 128 : v < 40 ? 1024 : 8192;
    std::string r = Head(2, 1, 1, 5, -5, 205, -55);
    std::string t(textSize, '\0');
    t.replace(0, text.size(), text);
    std::string font(60, '\0');
    Put32(&font, 0, -14), Put32(&font, 16, 700);
    font[20] = 1, font[21] = 1;  // italic, underline
    font.replace(28, 5, "Arial");
    r += t + font;
    const int32_t words[] = {0xFF, 0xFFFFFF, 90, 1, 0, 2, 0};
    for (int i = 0; i < (v < 25 ? 5 : 7); ++i) {
        std::string w(4, '\0');
        Put32(&w, 0, words[i]);
        r += w;
    }
    return r;
}

// A whole body of the version: the look, the catalog, one picture and
// (from 17) one string.
inline std::string Body(int v) {
    Lines out;
    out.line(v == 16 ? "1.6" : std::to_string(v));
    Look(out, v);
    Catalog(out);
    out.n(v >= 17 ? 2 : 1);
    out.raw(PictureRecord(v));
    if (v >= 17) out.raw(StringRecord(v, "Line one\r\nLine two"));
    return out.text;
}

// A template of the version ("Kestrin - Version 1.6" ...): the open-folder
// tree, a picture and (from 17) a string, the look.
inline std::string Template(int v, const std::string& edition, const std::string& picture) {
    static const std::vector<std::pair<int, std::string>> kLines = {
        {16, "1.6"}, {17, "1.7"}, {18, "1.8"}, {20, "2.0"}, {25, "2.5"}, {30, "3.0"}, {40, "4.0"}};
    std::string number;
    for (const auto& l : kLines)
        if (l.first == v) number = l.second;
    Lines out;
    out.line(edition + " - Version " + number);
    out.dot("DOCS").n(1).dot("gone").n(1).dot("inner").n(1).line("\\END").line("\\END").line("\\END");
    out.dot("Deep").n(0).line("\\END");  // a folder of docs, not of the root
    out.line("\\END");
    out.n(v >= 17 ? 2 : 1);
    if (v == 16) {
        out.line(picture).n(30).n(-40).n(2).n(-1);
    } else {
        out.n(1).n(2).n(-1).n(30).n(-40).n(130).n(-90).line(picture);
        out.n(2).n(1).n(1).n(5).n(-5).n(205).n(-55);
        if (v <= 20) {
            out.line("  one line");
        } else {
            out.n(20).raw("  two\r\nlines, twenty").line("");
        }
        Font(out, -14, 700, "Arial");
        out.n(255).n(0xFFFFFF).n(90).n(1).n(0);
    }
    Look(out, v);
    return out.text;
}

// Text as Windows' text mode writes it: every LF as CR LF.
inline std::string TextMode(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace fixture
