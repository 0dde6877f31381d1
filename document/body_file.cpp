#include "document/body_file.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "catalog/catalog_ops.h"
#include "document/catalog_section.h"
#include "document/label_text.h"
#include "document/look_schema.h"
#include "document/look_section.h"
#include "document/object_list.h"
#include "document/object_record_io.h"
#include "record/packed_bitmap.h"
#include "render/layout_cache.h"

namespace {

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// The picture's bitmap follows its record: the header's file size less 14
// bytes, its bits at the header's offset less 14.
bool ReadPictureBitmap(LineReader* r, PlacedObject* object) {
    ObjectRecord& rec = object->rec;
    uint32_t fileSize = FileHeaderSize(rec), bitsOffset = FileHeaderBitsOffset(rec);
    if (fileSize < static_cast<uint32_t>(kFileHeaderSize) || bitsOffset < static_cast<uint32_t>(kFileHeaderSize))
        return false;
    uint32_t size = fileSize - kFileHeaderSize, offset = bitsOffset - kFileHeaderSize;
    const char* bytes = nullptr;
    BitmapFacts facts;
    if (offset > size || !ReadBytes(r, size, &bytes) ||
        !CheckPackedBitmap(reinterpret_cast<const uint8_t*>(bytes), size, offset, &facts))
        return false;
    if (NaturalRectDegenerate(rec)) {
        ObjectRecord sized = rec;
        if (!SetPictureRectangles(&sized, facts)) return false;
        rec.Picture = sized.Picture;
    }
    object->bitmap = static_cast<uint8_t*>(std::malloc(size));
    if (!object->bitmap) return false;
    std::memcpy(object->bitmap, bytes, size);
    object->bitmapSize = size;
    object->bits = object->bitmap + offset;
    return true;
}

bool ReadObjects(LineReader* r, int version, ZIPINFO* label) {
    int32_t count = 0;
    size_t recordSize = ObjectRecordSize(version);
    if (!ReadInt(r, &count) || count > kMaxObjects || !CountFits(*r, count, recordSize)) return false;
    if (count == 0) return true;
    auto* objects = static_cast<PlacedObject*>(std::calloc(static_cast<size_t>(count), sizeof(PlacedObject)));
    if (!objects) return false;
    label->Objects = objects;
    for (int i = 0; i < count; ++i) {
        const char* bytes = nullptr;
        if (!ReadBytes(r, recordSize, &bytes) ||
            !DecodeObjectRecord(reinterpret_cast<const uint8_t*>(bytes), version, &objects[i].rec))
            return false;
        // Counted before the bitmap is read, so that a failure frees it.
        label->NumObjects = i + 1;
        if (objects[i].rec.Type == OBJECT_PICTURE && !ReadPictureBitmap(r, &objects[i])) return false;
    }
    return true;
}

// A picture whose bitmap the reader would refuse cannot be written.
bool PictureWritable(const PlacedObject& object) {
    BitmapFacts facts;
    return object.bitmap && object.bits >= object.bitmap && object.bits <= object.bitmap + object.bitmapSize &&
           object.bitmapSize <= UINT32_MAX - kFileHeaderSize &&
           CheckPackedBitmap(object.bitmap, object.bitmapSize, static_cast<uint32_t>(object.bits - object.bitmap),
                             &facts);
}

}  // namespace

int BodyVersionCode(std::string_view line) {
    line = Trimmed(line);
    if (line == "1.6") return 16;
    if (line.empty() || line.size() > 2) return 0;
    int code = 0;
    for (char c : line) {
        if (c < '0' || c > '9') return 0;
        code = code * 10 + (c - '0');
    }
    return code >= kOldestVersion && code <= kBodyVersion ? code : 0;
}

int BodyFileVersion(const char* data, size_t size) {
    LineReader r = MakeLineReader(data, size);
    std::string_view first;
    bool terminated = false;
    return NextLine(&r, &first, &terminated) && terminated ? BodyVersionCode(first) : 0;
}

LabelFileStatus ReadBody(const char* data, size_t size, ZIPINFO* out) {
    if (size > kMaxBodyBytes) return FILE_DAMAGED;
    LineReader r = MakeLineReader(data, size);
    std::string_view first;
    bool terminated = false;
    if (!NextLine(&r, &first, &terminated) || !terminated) return FILE_DAMAGED;
    int version = BodyVersionCode(first);
    if (version == 0) return FILE_BAD_VERSION;
    bool read = ReadLookSection(&r, version, out) && ReadCatalogList(&r, out) && ReadObjects(&r, version, out);
    // Whatever follows the last object is not part of the label.
    if (read) return FILE_OK;
    FreeScratchLabel(out);
    return FILE_DAMAGED;
}

bool WriteBody(const ZIPINFO& label, std::string* out) {
    out->clear();
    PutNumber(out, kBodyVersion);
    PutLookSection(out, label, kBodyVersion);
    if (!PutCatalogList(out, label)) return false;
    int count = label.Objects ? label.NumObjects : 0;
    if (count > kMaxObjects) return false;
    PutNumber(out, count);
    std::vector<uint8_t> record(kObjectRecordSize);
    for (int i = 0; i < count; ++i) {
        const PlacedObject& object = label.Objects[i];
        ObjectRecord rec = object.rec;
        bool picture = rec.Type == OBJECT_PICTURE;
        if (picture) {
            if (!PictureWritable(object)) return false;
            // The header states the bitmap that follows, whatever it said.
            SetFileHeaderSize(&rec, object.bitmapSize + kFileHeaderSize);
            SetFileHeaderBitsOffset(&rec, static_cast<uint32_t>(object.bits - object.bitmap) + kFileHeaderSize);
        } else if (rec.Type != OBJECT_STRING) {
            return false;
        }
        EncodeObjectRecord(rec, record.data());
        out->append(reinterpret_cast<const char*>(record.data()), record.size());
        if (picture) out->append(reinterpret_cast<const char*>(object.bitmap), object.bitmapSize);
    }
    return true;
}

void FreeScratchLabel(ZIPINFO* scratch) {
    FreeCatalog(scratch);
    FreeLabelObjects(scratch);
    PutStyles(scratch, nullptr, 0);
    FreeLayoutCache(&scratch->Layout);
    std::memset(scratch, 0, sizeof *scratch);  // LayoutValid too: an empty record has no layout
}

void TakeLoadedLabel(ZIPINFO* label, ZIPINFO* loaded) {
    ZIPINFO kept = *label;
    FreeCatalog(label);
    FreeLabelObjects(label);
    PutStyles(label, nullptr, 0);
    *label = *loaded;
    label->LabelNumber = kept.LabelNumber;
    label->Layout = kept.Layout;
    InvalidateLayout(label);
    label->LabelOriginX = kept.LabelOriginX;
    label->LabelOriginY = kept.LabelOriginY;
    label->PageWidth = kept.PageWidth;
    label->PageHeight = kept.PageHeight;
    label->SelectionKind = 0;
    std::memset(loaded, 0, sizeof *loaded);
}
