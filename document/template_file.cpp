#include "document/template_file.h"

#include <cstdlib>
#include <cstring>

#include "base/text_compare.h"
#include "base/text_field.h"
#include "catalog/catalog_ops.h"
#include "document/catalog_section.h"
#include "document/label_paths.h"
#include "document/label_text.h"
#include "document/look_schema.h"
#include "document/look_section.h"
#include "document/object_list.h"
#include "document/object_record_io.h"

namespace {

constexpr const char* kEndOfLevel = "\\END";
// The template format's versions and their codes. A template's first
// line is "<edition> - Version <number>"; 4.0 is written. Its text reads
// as the program's version line does, but the format has versions of its
// own: a new program version need not make a new template format.
struct TemplateFormat {
    const char* number;
    int code;
};
constexpr TemplateFormat kTemplateFormats[] = {
    {"4.0", kTemplateVersion}, {"1.6", 16}, {"1.7", 17}, {"1.8", 18}, {"2.0", 20}, {"2.5", 25}, {"3.0", 30},
};

std::string TemplateFirstLine(const EditionProfile& edition, const TemplateFormat& format) {
    return std::string(edition.name) + " - Version " + format.number;
}
// A picture's empty name line and four one-digit numbers.
constexpr size_t kMinObjectBytes = 1 + 4 * 2;

std::string_view WithoutCr(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

bool ParseFolders(LineReader* r, int depth, std::vector<TemplateFolder>* level) {
    if (depth > kMaxCatalogDepth) return false;
    for (;;) {
        std::string_view line;
        bool terminated = false;
        // A level cut off by the end of the file means the file is cut short.
        if (!NextLine(r, &line, &terminated) || !terminated) return false;
        if (WithoutCr(line) == kEndOfLevel) return true;
        TemplateFolder folder;
        char name[64];
        std::string_view text = line.empty() ? line : line.substr(1);
        CopyText(name, sizeof name, std::string(text.substr(0, sizeof name - 1)).c_str());
        folder.name = name;
        int32_t open = 0;
        if (!ReadInt(r, &open) || !ParseFolders(r, depth + 1, &folder.children)) return false;
        folder.open = open != 0 ? 1 : 0;
        level->push_back(std::move(folder));
    }
}

// A string's text: counted bytes and a line feed from version 25, one line
// before.
bool ParseStringText(LineReader* r, int version, ObjectRecord* rec) {
    if (version <= 20) return ReadLineText(r, rec->Text, sizeof rec->Text);
    int32_t length = 0;
    const char* bytes = nullptr;
    std::string_view rest;
    bool terminated = false;
    if (!ReadInt(r, &length) || length < 0 || !ReadBytes(r, static_cast<size_t>(length), &bytes) ||
        !NextLine(r, &rest, &terminated) || !terminated || !WithoutCr(rest).empty())
        return false;
    size_t kept = static_cast<size_t>(length) < sizeof rec->Text ? static_cast<size_t>(length) : sizeof rec->Text - 1;
    std::memcpy(rec->Text, bytes, kept);
    rec->Text[kept] = '\0';
    return true;
}

bool ParseObject(LineReader* r, int version, TemplateObject* object) {
    ObjectRecord& rec = object->rec;
    std::memset(&rec, 0, sizeof rec);
    object->atNaturalSize = version == 16;
    if (version == 16) {
        rec.Type = OBJECT_PICTURE;
        return ReadLineText(r, rec.Picture.FileName, sizeof rec.Picture.FileName) && ReadInt(r, &rec.Left) &&
               ReadInt(r, &rec.Top) && ReadInt(r, &rec.Page) && ReadInt(r, &rec.Layer);
    }
    int32_t* head[] = {&rec.Type, &rec.Page, &rec.Layer, &rec.Left, &rec.Top, &rec.Right, &rec.Bottom};
    for (int32_t* v : head)
        if (!ReadInt(r, v)) return false;
    if (rec.Type == OBJECT_PICTURE) return ReadLineText(r, rec.Picture.FileName, sizeof rec.Picture.FileName);
    if (rec.Type != OBJECT_STRING) return false;
    return ParseStringText(r, version, &rec) && ReadFontBlock(r, &rec.Font) && ReadColor(r, &rec.TextColor) &&
           ReadColor(r, &rec.BackColor) && ReadInt(r, &rec.Orientation) && ReadInt(r, &rec.Filled) &&
           ReadInt(r, &rec.AutoSize);
}

void ApplyFolders(const std::vector<TemplateFolder>& level, ZIPINFO* list) {
    for (const TemplateFolder& folder : level) {
        CatalogEntry* match = nullptr;
        for (int i = 0; list && i < list->NumEntries && !match; ++i) {
            CatalogEntry& e = list->Entries[i];
            if (e.HasSubtree && e.Child && CompareNoCase(e.Name, folder.name.c_str()) == 0) match = &e;
        }
        // A folder the disk no longer has: its nested blocks apply to nothing.
        if (!match) continue;
        match->Open = folder.open;
        ApplyFolders(folder.children, match->Child);
    }
}

// The placed objects the template gives, pictures loaded; null when
// memory runs out.
PlacedObject* LoadObjects(const LabelTemplate& t, PictureLoader load, int* count) {
    *count = 0;
    if (t.objects.empty()) return nullptr;
    auto* objects = static_cast<PlacedObject*>(std::calloc(t.objects.size(), sizeof(PlacedObject)));
    if (!objects) return nullptr;
    for (const TemplateObject& source : t.objects) {
        PlacedObject& object = objects[*count];
        object.rec = source.rec;
        if (source.rec.Type == OBJECT_PICTURE) {
            const ObjectRecord& wanted = source.rec;
            if (!IsPlainFileName(wanted.Picture.FileName) || !load(wanted.Picture.FileName, &object)) {
                FreeObjectData(&object);
                std::memset(&object, 0, sizeof object);
                continue;
            }
            ObjectRecord& rec = object.rec;
            rec.Page = wanted.Page;
            rec.Layer = wanted.Layer;
            rec.Left = wanted.Left;
            rec.Top = wanted.Top;
            if (source.atNaturalSize) {
                rec.Right = wanted.Left + (rec.Picture.NaturalRight - rec.Picture.NaturalLeft);
                rec.Bottom = wanted.Top + (rec.Picture.NaturalBottom - rec.Picture.NaturalTop);
            } else {
                rec.Right = wanted.Right;
                rec.Bottom = wanted.Bottom;
            }
            SoundObjectRecord(&rec);
        }
        ++*count;
    }
    return objects;
}

void ApplyLook(LabelTemplate* t, ZIPINFO* label) {
    CopyField(label->VolumeName, t->look.VolumeName);
    CopyCarriedFields(t->look, label, CARRY_TEMPLATE);
    MoveStyles(&t->look, label);
}

void PutFolders(std::string* out, const ZIPINFO* list, int depth, bool* fits) {
    if (depth > kMaxCatalogDepth) {
        *fits = false;
        return;
    }
    for (int i = 0; list && list->Entries && i < list->NumEntries; ++i) {
        const CatalogEntry& e = list->Entries[i];
        if (!e.HasSubtree || !e.Child) continue;
        PutDotText(out, e.Name, sizeof e.Name);
        PutNumber(out, e.Open);
        PutFolders(out, e.Child, depth + 1, fits);
    }
    out->append(kEndOfLevel).push_back('\n');
}

}  // namespace

int TemplateVersionCode(const EditionProfile& edition, const std::string& line) {
    std::string_view text = WithoutCr(line);
    for (const TemplateFormat& format : kTemplateFormats)
        if (text == TemplateFirstLine(edition, format)) return format.code;
    return 0;
}

LabelFileStatus ParseTemplate(const char* data, size_t size, const EditionProfile& edition, LabelTemplate* out) {
    if (size > kMaxTemplateBytes) return FILE_DAMAGED;
    std::string text = FromTextMode(data, size);
    LineReader r = MakeLineReader(text.data(), text.size());
    std::string_view first;
    bool terminated = false;
    if (!NextLine(&r, &first, &terminated)) return FILE_DAMAGED;
    out->versionLine = std::string(WithoutCr(first));
    out->version = TemplateVersionCode(edition, out->versionLine);
    if (out->version == 0) return FILE_BAD_VERSION;
    int32_t count = 0;
    bool read = terminated && ParseFolders(&r, 0, &out->folders) && ReadInt(&r, &count) && count <= kMaxObjects &&
                CountFits(r, count, kMinObjectBytes);
    for (int i = 0; read && i < count; ++i) {
        TemplateObject object;
        read = ParseObject(&r, out->version, &object);
        SoundObjectRecord(&object.rec);
        if (read) out->objects.push_back(object);
    }
    read = read && ReadLookSection(&r, out->version, &out->look);
    if (!read) FreeTemplate(out);
    return read ? FILE_OK : FILE_DAMAGED;
}

void FreeTemplate(LabelTemplate* t) {
    PutStyles(&t->look, nullptr, 0);
}

bool ApplyTemplate(LabelTemplate* t, ZIPINFO* label, PictureLoader load) {
    int count = 0;
    PlacedObject* objects = LoadObjects(*t, load, &count);
    if (!objects && !t->objects.empty()) return false;
    ApplyFolders(t->folders, label);
    FreeLabelObjects(label);
    label->Objects = objects;
    label->NumObjects = count;
    ApplyLook(t, label);
    SortCatalog(label);
    InvalidateLayout(label);
    return true;
}

bool WriteTemplate(const ZIPINFO& label, const EditionProfile& edition, std::string* out) {
    std::string text = TemplateFirstLine(edition, kTemplateFormats[0]);
    text.push_back('\n');
    bool fits = true;
    PutFolders(&text, &label, 0, &fits);
    if (!fits) return false;
    int count = label.Objects ? label.NumObjects : 0;
    if (count > kMaxObjects) return false;
    PutNumber(&text, count);
    for (int i = 0; i < count; ++i) {
        const ObjectRecord& rec = label.Objects[i].rec;
        for (int32_t v : {rec.Type, rec.Page, rec.Layer, rec.Left, rec.Top, rec.Right, rec.Bottom}) PutNumber(&text, v);
        if (rec.Type == OBJECT_PICTURE) {
            PutLineText(&text, rec.Picture.FileName, sizeof rec.Picture.FileName);
            continue;
        }
        size_t length = strnlen(rec.Text, sizeof rec.Text - 1);
        PutNumber(&text, static_cast<int64_t>(length));
        text.append(rec.Text, length).push_back('\n');
        PutFontBlock(&text, rec.Font);
        PutNumber(&text, static_cast<int32_t>(rec.TextColor));
        PutNumber(&text, static_cast<int32_t>(rec.BackColor));
        for (int32_t v : {rec.Orientation, rec.Filled, rec.AutoSize}) PutNumber(&text, v);
    }
    PutLookSection(&text, label, kTemplateVersion);
    *out = ToTextMode(text);
    return true;
}
