// Reshaping and copying placed objects: layers, centring on the current
// page, scaling a picture by a factor or to the body or the page, the
// largest size at the picture's aspect, duplicating and deleting.
#pragma once
#include "editions/profile.h"
#include "record/zipinfo.h"

// The page geometry the operations work against.
struct PlacementContext {
    const EditionProfile* edition;
    int kind;         // LabelKind
    int currentPage;  // the page shown
};

// Centred between the current page's left spine (if it has one) and its
// right edge or right spine; Wimbrook's labels across the whole width.
void CenterHorizontally(ObjectRecord* rec, const PlacementContext& context);
// Centred on the current page's height.
void CenterVertically(ObjectRecord* rec, const PlacementContext& context);

// The picture at numerator/denominator of its natural size, at least 10
// units each way, moved onto the page when it lay left of or above it.
void ScalePicture(ObjectRecord* rec, double numerator, double denominator);

// The picture over the body region or the whole of its own page. A covers
// page outside 1 to 2 is reported (GetTextRect) and nothing changes.
bool SizeToBody(ObjectRecord* rec, const PlacementContext& context);
bool SizeToLabel(ObjectRecord* rec, const PlacementContext& context);

// The largest scale at which the picture fits its page's body region,
// then centred both ways. A picture without natural size is only centred.
void MaximumAspect(ObjectRecord* rec, const PlacementContext& context);

// "&Copy": a copy of the selected object (a picture with its own bitmap)
// becomes element 0, selected and centred. False when nothing is selected
// or memory runs out (nothing changes then).
bool DuplicateSelected(ZIPINFO* label, const PlacementContext& context);

// "&Delete": removes the selected object and clears the selection.
bool DeleteSelected(ZIPINFO* label);
