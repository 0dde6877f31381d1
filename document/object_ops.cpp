#include "document/object_ops.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "document/object_list.h"
#include "render/label_geometry.h"

namespace {

bool IsCoverOrBooklet(const PlacementContext& c) {
    return c.edition->id != EDITION_WIMBROOK && (c.kind == KIND_COVERS || c.kind == KIND_BOOKLET);
}

int32_t NaturalWidth(const ObjectRecord& rec) { return rec.Picture.NaturalRight - rec.Picture.NaturalLeft; }
int32_t NaturalHeight(const ObjectRecord& rec) { return rec.Picture.NaturalBottom - rec.Picture.NaturalTop; }

int32_t Trunc(double value) {
    if (!(value > INT32_MIN)) return INT32_MIN;
    if (!(value < INT32_MAX)) return INT32_MAX;
    return static_cast<int32_t>(value);
}

}  // namespace

void CenterHorizontally(ObjectRecord* rec, const PlacementContext& c) {
    LabelSize page = PageSizeFor(*c.edition, c.kind, c.currentPage);
    int32_t from = 0, to = page.width;
    if (IsCoverOrBooklet(c)) {
        LabelRect spines[2];
        int n = SpineRegions(*c.edition, c.currentPage, spines);
        for (int i = 0; i < n; ++i) {
            // A spine on the left edge moves the left limit, one on the right
            // edge (the tray card's second spine) the right limit.
            if (spines[i].left <= 0) from = std::max(from, spines[i].right);
            else to = std::min(to, spines[i].left);
        }
    }
    int32_t width = rec->Right - rec->Left;
    rec->Left = from + (to - from) / 2 - width / 2;
    rec->Right = rec->Left + width;
}

void CenterVertically(ObjectRecord* rec, const PlacementContext& c) {
    LabelSize page = PageSizeFor(*c.edition, c.kind, c.currentPage);
    int32_t height = rec->Bottom - rec->Top;
    rec->Top = page.height / 2 - height / 2;
    rec->Bottom = rec->Top + height;
}

void ScalePicture(ObjectRecord* rec, double numerator, double denominator) {
    if (!(denominator > 0)) return;
    double width = std::max(10.0, NaturalWidth(*rec) * numerator / denominator);
    double height = std::min(-10.0, NaturalHeight(*rec) * numerator / denominator);
    if (rec->Left < 0) rec->Left = 0;
    if (rec->Top > 0) rec->Top = 0;
    rec->Right = Trunc(rec->Left + width);
    rec->Bottom = Trunc(rec->Top + height);
}

bool SizeToBody(ObjectRecord* rec, const PlacementContext& c) {
    LabelRect body;
    if (!GetTextRect(*c.edition, c.kind, rec->Page, &body)) return false;
    rec->Left = body.left;
    rec->Top = body.top;
    rec->Right = body.right;
    rec->Bottom = body.bottom;
    return true;
}

bool SizeToLabel(ObjectRecord* rec, const PlacementContext& c) {
    LabelRect body;
    if (!GetTextRect(*c.edition, c.kind, rec->Page, &body)) return false;
    LabelSize page = PageSizeFor(*c.edition, c.kind, rec->Page);
    rec->Left = 0;
    rec->Top = 0;
    rec->Right = page.width;
    rec->Bottom = page.height;
    return true;
}

void MaximumAspect(ObjectRecord* rec, const PlacementContext& c) {
    LabelRect body;
    if (!GetTextRect(*c.edition, c.kind, rec->Page, &body)) return;
    int64_t regionWidth = std::abs(static_cast<int64_t>(body.right) - body.left);
    int64_t regionHeight = std::abs(static_cast<int64_t>(body.bottom) - body.top);
    int64_t naturalWidth = std::abs(static_cast<int64_t>(NaturalWidth(*rec)));
    int64_t naturalHeight = std::abs(static_cast<int64_t>(NaturalHeight(*rec)));
    // k = the smaller of the two ratios, compared without dividing; a side
    // of no length sets no limit.
    bool byWidth;
    if (naturalWidth > 0 && naturalHeight > 0) byWidth = regionWidth * naturalHeight <= regionHeight * naturalWidth;
    else byWidth = naturalWidth > 0;
    if (naturalWidth > 0 || naturalHeight > 0) {
        if (byWidth) ScalePicture(rec, static_cast<double>(regionWidth), static_cast<double>(naturalWidth));
        else ScalePicture(rec, static_cast<double>(regionHeight), static_cast<double>(naturalHeight));
    }
    CenterHorizontally(rec, c);
    CenterVertically(rec, c);
}

bool DuplicateSelected(ZIPINFO* label, const PlacementContext& c) {
    PlacedObject* selected = SelectedObject(label);
    if (!selected) return false;
    PlacedObject copy = *selected;
    if (selected->bitmap) {
        // Sized from the block the original owns, never from a header field.
        copy.bitmap = static_cast<uint8_t*>(std::malloc(selected->bitmapSize ? selected->bitmapSize : 1));
        if (!copy.bitmap) return false;
        std::memcpy(copy.bitmap, selected->bitmap, selected->bitmapSize);
        copy.bits = selected->bits ? copy.bitmap + (selected->bits - selected->bitmap) : nullptr;
    }
    if (!InsertObjectAtHead(label, copy)) {
        std::free(copy.bitmap);
        return false;
    }
    ClearObjectSelection(label);
    SelectListObject(label, 0);
    CenterHorizontally(&label->Objects[0].rec, c);
    CenterVertically(&label->Objects[0].rec, c);
    return true;
}

bool DeleteSelected(ZIPINFO* label) {
    if (!SelectedObject(label)) return false;
    RemoveHeadObject(label);
    ClearObjectSelection(label);
    return true;
}
