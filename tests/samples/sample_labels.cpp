#include "tests/samples/sample_labels.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "catalog/catalog_ops.h"
#include "base/text_field.h"
#include "document/label_copy.h"
#include "document/object_list.h"
#include "record/packed_bitmap.h"

namespace {

void SetSize(CatalogEntry* entry, uint32_t bytes) {
    entry->Size = bytes;
    char text[16];
    std::snprintf(text, sizeof text, "%u KB", (bytes + 1023) / 1024);
    CopyField(entry->EntryComment, text);
}

void AddStyle(ZIPINFO* label, const char* ext, ColorRef color, const FontDesc& font) {
    int n = label->NumExtStyles + 1;
    auto* styles = static_cast<ExtStyle*>(std::realloc(label->ExtStyles, n * sizeof(ExtStyle)));
    if (!styles) std::abort();
    std::memset(&styles[n - 1], 0, sizeof(ExtStyle));
    CopyField(styles[n - 1].ExtName, ext);
    styles[n - 1].ExtColor = color;
    styles[n - 1].ExtFont = font;
    label->ExtStyles = styles;
    label->NumExtStyles = n;
}

}  // namespace

FontDesc SampleFont(int32_t height, int32_t weight, bool italic) {
    FontDesc font;
    std::memset(&font, 0, sizeof font);
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfItalic = italic ? 1 : 0;
    font.lfQuality = 3;  // non-antialiased: crisp pixels to probe
    CopyField(font.lfFaceName, "Arial");
    return font;
}

void PrepareSampleLook(ZIPINFO* label, const EditionProfile& edition) {
    ClearLabel(label);
    ZIPINFO fresh;
    std::memset(&fresh, 0, sizeof fresh);
    *label = fresh;
    label->LabelNumber = 1;
    label->Columns = 3;
    label->ShowSize = 1;
    label->ShowExt = 1;
    label->ShowComm = 1;
    label->ShowZip = 1;
    label->Lined = 1;
    label->SortMode = 1;
    label->Direction = 1;
    label->BkgndColor = 0xFFFFFF;
    label->SpineBkgndColor = 0xFFFFFF;
    label->Font = SampleFont(-11, 0, false);
    label->DirFont = SampleFont(-11, 700, false);
    label->CommFont = SampleFont(-11, 0, false);
    label->SpineFont = SampleFont(edition.id == EDITION_WIMBROOK ? -11 : -19, edition.id == EDITION_WIMBROOK ? 700 : 0,
                                  false);
    label->FontHeight = label->DirFontHeight = label->CommFontHeight = 13;
    CopyField(label->Comment, "%spacefree% free, %spaceused% used  (%shortdate%)");
    CopyField(label->ShortDate, "5/4/2026");
    CopyField(label->LongDate, "Monday, May 4, 2026");
    label->SpaceFree = 41234567;
    label->SpaceUsed = 58765433;
    label->SpaceTotal = 100000000;
}

void FillSampleList(ZIPINFO* list, int count, const char* pattern) {
    list->NumEntries = count;
    list->Entries = NewEntries(count, "sample");
    for (int i = 0; i < count; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, pattern, i);
        CopyField(list->Entries[i].Name, name);
        SetSize(&list->Entries[i], 1000u + 937u * i);
    }
}

void FillNamedList(ZIPINFO* list, const std::vector<std::string>& names) {
    list->NumEntries = static_cast<int>(names.size());
    list->Entries = NewEntries(list->NumEntries, "sample");
    for (size_t i = 0; i < names.size(); ++i) {
        CopyField(list->Entries[i].Name, names[i].c_str());
        SetSize(&list->Entries[i], 2048u + 5000u * static_cast<uint32_t>(i));
    }
}

ZIPINFO* MakeSampleFolder(CatalogEntry* entry, const std::vector<std::string>& names, int open) {
    entry->HasSubtree = 1;
    entry->Open = open;
    entry->Child = NewCatalogList();
    FillNamedList(entry->Child, names);
    CopyField(entry->EntryComment, "[dir]");
    return entry->Child;
}

void MakeSamplePicture(PlacedObject* object, int width, int height, ColorRef a, ColorRef b) {
    std::memset(object, 0, sizeof *object);
    uint32_t rowSize = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    uint32_t imageSize = rowSize * height;
    auto* block = static_cast<uint8_t*>(std::calloc(1, 40 + imageSize));
    if (!block) std::abort();
    auto put32 = [&](int at, uint32_t v) { std::memcpy(block + at, &v, 4); };
    put32(0, 40);
    put32(4, static_cast<uint32_t>(width));
    put32(8, static_cast<uint32_t>(height));
    block[12] = 1;   // planes
    block[14] = 24;  // bits per pixel
    put32(20, imageSize);
    put32(24, 2835);
    put32(28, 2835);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = block + 40 + static_cast<size_t>(y) * rowSize;
        for (int x = 0; x < width; ++x) {
            bool frame = x < 2 || y < 2 || x >= width - 2 || y >= height - 2;
            ColorRef c = frame ? MakeColor(40, 40, 40) : (((x + y) / 8) % 2 ? a : b);
            row[3 * x] = static_cast<uint8_t>(c >> 16);     // blue
            row[3 * x + 1] = static_cast<uint8_t>(c >> 8);  // green
            row[3 * x + 2] = static_cast<uint8_t>(c);       // red
        }
    }
    object->rec.Type = OBJECT_PICTURE;
    CopyField(object->rec.Picture.FileName, "made-in-code.bmp");
    object->rec.Picture.FileHeader[0] = 'B';
    object->rec.Picture.FileHeader[1] = 'M';
    SetFileHeaderSize(&object->rec, 14 + 40 + imageSize);
    SetFileHeaderBitsOffset(&object->rec, 14 + 40);
    BitmapFacts facts = {width, height, 2835, 2835};
    SetPictureRectangles(&object->rec, facts);
    object->bitmap = block;
    object->bitmapSize = 40 + imageSize;
    object->bits = block + 40;
}

void AddSamplePicture(ZIPINFO* label, int page, int layer, const LabelRect& rect, ColorRef a, ColorRef b) {
    PlacedObject object;
    MakeSamplePicture(&object, 64, 48, a, b);
    object.rec.Page = page;
    object.rec.Layer = layer;
    object.rec.Left = rect.left;
    object.rec.Top = rect.top;
    object.rec.Right = rect.right;
    object.rec.Bottom = rect.bottom;
    if (!InsertObjectAtHead(label, object)) std::abort();
}

void AddSampleString(ZIPINFO* label, int page, int layer, const LabelRect& rect, const char* text,
                     int orientation, bool filled, ColorRef textColor, ColorRef backColor) {
    PlacedObject object;
    std::memset(&object, 0, sizeof object);
    ObjectRecord& rec = object.rec;
    rec.Type = OBJECT_STRING;
    rec.Page = page;
    rec.Layer = layer;
    rec.Left = rect.left;
    rec.Top = rect.top;
    rec.Right = rect.right;
    rec.Bottom = rect.bottom;
    CopyField(rec.Text, text);
    rec.Font = SampleFont(-19, 700, false);
    rec.TextColor = textColor;
    rec.BackColor = backColor;
    rec.Orientation = orientation;
    rec.Filled = filled ? 1 : 0;
    rec.HAlign = 1;
    rec.VAlign = 1;
    if (!InsertObjectAtHead(label, object)) std::abort();
}

void BuildSampleLabel(ZIPINFO* label, const EditionProfile& edition, int index) {
    PrepareSampleLook(label, edition);
    label->LabelNumber = index + 1;
    CopyField(label->VolumeName, edition.id == EDITION_WIMBROOK ? "FLOPPY ONE" : "SAMPLE DISK 2026");
    FillNamedList(label, {"Archive", "Documents", "Music", "autoexec.bat", "config.sys",
                          "a-name-far-too-long-for-any-column-of-this-label-at-all.txt", "notes.TXT", "readme",
                          "setup.tar.gz", "zz.last"});
    // A deep tree: Archive/level1/level2/.../level6 with files at each level.
    CatalogEntry* folder = &label->Entries[0];
    for (int depth = 1; depth <= 6; ++depth) {
        char sub[32], file[32];
        std::snprintf(sub, sizeof sub, "level%d", depth);
        std::snprintf(file, sizeof file, "file-at-%d.doc", depth);
        ZIPINFO* child = MakeSampleFolder(folder, {sub, file, "more.txt"}, 1);
        folder = &child->Entries[0];
    }
    ZIPINFO* docs = MakeSampleFolder(&label->Entries[1], {"Letters", "Reports", "summary.doc", "plan.txt"}, 1);
    ZIPINFO* letters = MakeSampleFolder(&docs->Entries[0], {"ada.txt", "grace.txt"}, 1);
    letters->Entries[1].Align = 0;
    ZIPINFO* reports = MakeSampleFolder(&docs->Entries[1], {}, 1);
    FillSampleList(reports, 40, "q%02d-report.txt");
    ZIPINFO* music = MakeSampleFolder(&label->Entries[2], {}, 1);
    FillSampleList(music, edition.id == EDITION_WIMBROOK ? 4 : 120, "track%03d.mp3");
    // Later styles win: "TXT" turns notes.TXT and every .txt green.
    AddStyle(label, "txt", MakeColor(200, 0, 0), SampleFont(-11, 0, true));
    AddStyle(label, "doc", MakeColor(0, 0, 200), SampleFont(-11, 700, false));
    AddStyle(label, "TXT", MakeColor(0, 140, 0), SampleFont(-11, 0, true));
    label->NumFiles = 180;
    label->NumFolders = 12;
    label->LayoutValid = 0;

    switch (edition.id) {
    case EDITION_KESTRIN:
        label->LblFmt = 6;  // a booklet over page 1 and on
        AddSamplePicture(label, 1, -1, {150, -60, 450, -300}, MakeColor(255, 230, 150), MakeColor(180, 220, 255));
        AddSampleString(label, 1, 0, {300, -330, 540, -380}, "On the label", 0, false, MakeColor(0, 0, 160), 0xFFFFFF);
        AddSampleString(label, 2, 1, {380, -100, 470, -400}, "Above, 90 deg", 90, true, 0xFFFFFF,
                        MakeColor(0, 110, 0));
        AddSamplePicture(label, 2, 1, {40, -150, 170, -260}, MakeColor(255, 120, 120), MakeColor(255, 255, 255));
        AddSampleString(label, 3, 1, {120, -380, 460, -440}, "Upside down above", 180, true, 0, MakeColor(255, 240, 0));
        AddSampleString(label, 4, 0, {20, -100, 70, -400}, "Reads upward", 270, false, MakeColor(160, 0, 0), 0);
        break;
    case EDITION_DOVANTEL:
        label->LblFmt = 0;  // entries begin on the front cover, go on on the tray card
        label->Opposing = 1;
        label->ZipColor = 1;
        label->SpineBkgndColor = MakeColor(230, 240, 255);
        AddSamplePicture(label, 2, -1, {100, -150, 380, -350}, MakeColor(200, 255, 200), MakeColor(255, 255, 255));
        AddSampleString(label, 2, 1, {160, -200, 320, -260}, "Above the label", 0, true, 0xFFFFFF,
                        MakeColor(0, 0, 140));
        AddSampleString(label, 1, 0, {480, -60, 540, -400}, "Tray 270", 270, false, MakeColor(150, 0, 150), 0);
        AddSamplePicture(label, 1, 1, {60, -300, 200, -420}, MakeColor(255, 200, 120), MakeColor(120, 80, 40));
        break;
    case EDITION_WIMBROOK:
    default:
        label->Columns = 2;
        label->ShowSize = 0;
        label->ShowComm = index % 2 == 0;
        label->Opposing = 0;
        AddSampleString(label, 1, 1, {170, -120, 260, -200}, "Above", 90, true, 0xFFFFFF, MakeColor(160, 0, 0));
        AddSamplePicture(label, 1, -1, {20, -20, 140, -110}, MakeColor(220, 220, 255), MakeColor(255, 255, 255));
        AddSampleString(label, 2, 0, {20, -150, 250, -190}, "Page two string", 0, false, MakeColor(0, 100, 0), 0);
        break;
    }
}
