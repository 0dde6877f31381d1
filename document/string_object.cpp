#include "document/string_object.h"

#include <cstring>

#include "base/text_field.h"
#include "document/object_list.h"

StringTemplate g_stringTemplate;

namespace {

constexpr const char* kNewStringText = "Edit Me...";
StringExtentHook g_extentHook = nullptr;

void CopyStringFields(ObjectRecord* to, const ObjectRecord& from) {
    std::memcpy(to->Text, from.Text, sizeof to->Text);
    to->Text[sizeof to->Text - 1] = 0;
    to->Font = from.Font;
    to->TextColor = from.TextColor;
    to->BackColor = from.BackColor;
    to->Orientation = from.Orientation;
    to->Filled = from.Filled;
    to->AutoSize = from.AutoSize;
    to->HAlign = from.HAlign;
    to->VAlign = from.VAlign;
}

bool Measure(const ObjectRecord& rec, const char* text, int length, TextExtent* out) {
    *out = {0, 0};
    return g_extentHook && g_extentHook(rec, text, length, out);
}

}  // namespace

void FillStringTemplate(const ZIPINFO* label) {
    if (g_stringTemplate.filled) return;
    ObjectRecord& t = g_stringTemplate.rec;
    std::memset(&t, 0, sizeof t);
    t.Type = OBJECT_STRING;
    CopyField(t.Text, kNewStringText);
    t.Font = label->SpineFont;
    t.TextColor = label->SpineFontColor;
    t.BackColor = MakeColor(255, 255, 255);
    t.Orientation = 0;
    t.Filled = 1;
    t.AutoSize = 1;
    t.HAlign = 1;
    t.VAlign = 1;
    g_stringTemplate.filled = true;
}

void TakeStringTemplateFrom(const ObjectRecord& rec) {
    CopyStringFields(&g_stringTemplate.rec, rec);
    CopyField(g_stringTemplate.rec.Text, kNewStringText);
    g_stringTemplate.rec.AutoSize = 1;
    g_stringTemplate.filled = true;
}

void SetStringExtentHook(StringExtentHook hook) { g_extentHook = hook; }

bool AutoSizeString(ObjectRecord* rec) {
    const char* text = rec->Text;
    int n = static_cast<int>(strnlen(text, sizeof rec->Text));
    int lines = CountTextLines(text, n);
    int pos = 0;
    TextLine line;
    int32_t widest = 0, lineHeight = 0;
    for (int index = 0; NextTextLine(text, n, &pos, &line); ++index) {
        TextExtent extent;
        if (!Measure(*rec, text + line.start, line.length, &extent)) return false;
        if (extent.cx > widest) widest = extent.cx;
        if (index == 0) lineHeight = extent.cy;
    }
    if (lineHeight <= 0) {
        // An empty first line measures no height; a blank stands in for it.
        TextExtent blank;
        if (!Measure(*rec, " ", 1, &blank)) return false;
        lineHeight = blank.cy;
    }
    int32_t width = widest + 5;
    int32_t height = lineHeight * lines + 5;
    if (rec->Font.lfItalic) width += 10;
    if (rec->Orientation == 90 || rec->Orientation == 270) {
        int32_t swap = width;
        width = height;
        height = swap;
    }
    rec->Right = rec->Left + width;
    rec->Bottom = rec->Top - height;
    return true;
}

PlacedObject* InsertNewString(ZIPINFO* label, const PlacementContext& context) {
    FillStringTemplate(label);
    PlacedObject object;
    std::memset(&object, 0, sizeof object);
    ObjectRecord& rec = object.rec;
    rec.Type = OBJECT_STRING;
    rec.Page = context.currentPage;
    rec.Layer = LAYER_ABOVE;
    rec.Left = 100;
    rec.Top = 100;
    rec.Right = 200;
    rec.Bottom = 0;
    CopyStringFields(&rec, g_stringTemplate.rec);
    ClearObjectSelection(label);
    if (!InsertObjectAtHead(label, object)) return nullptr;
    ObjectRecord* placed = &label->Objects[0].rec;
    AutoSizeString(placed);
    SelectListObject(label, 0);
    CenterHorizontally(placed, context);
    CenterVertically(placed, context);
    return &label->Objects[0];
}

void SetStringOrientation(ObjectRecord* rec, int degrees) {
    rec->Orientation = degrees;
    if (rec->AutoSize) AutoSizeString(rec);
}

void ToggleStringAutoSize(ObjectRecord* rec) {
    rec->AutoSize = rec->AutoSize ? 0 : 1;
    if (rec->AutoSize) AutoSizeString(rec);
}
