// Placed strings: the template a new string takes its settings from, the
// insertion of a new string, auto-sizing the rectangle to the text, and
// the string's field commands.
#pragma once
#include "document/object_ops.h"
#include "record/zipinfo.h"
#include "render/text_layout.h"

// The settings of the next new string: filled from the label's spine font
// and colour the first time a string is made in a run.
struct StringTemplate {
    bool filled;
    ObjectRecord rec;  // text and string fields
};
extern StringTemplate g_stringTemplate;

void FillStringTemplate(const ZIPINFO* label);

// After a new string was accepted: the template takes all its fields, then
// the text "Edit Me..." and auto-size 1 again.
void TakeStringTemplateFrom(const ObjectRecord& rec);

// Measures a line of a string in label units with its font at its
// orientation; the glue measures on the window's drawing surface.
using StringExtentHook = bool (*)(const ObjectRecord& rec, const char* text, int length, TextExtent* out);
void SetStringExtentHook(StringExtentHook hook);

// Fits the rectangle to the text: widest line + 5 (10 more for italic),
// line height x lines + 5, exchanged at 90 and 270 degrees; keeps left and
// top. False (rectangle unchanged) when the text cannot be measured.
bool AutoSizeString(ObjectRecord* rec);

// "Insert Stri&ng": a new string from the template at the head of the
// list, on the current page above the label, auto-sized, selected and
// centred. Null when memory runs out.
PlacedObject* InsertNewString(ZIPINFO* label, const PlacementContext& context);

// String field commands; each auto-sizes afterwards where the size follows.
void SetStringOrientation(ObjectRecord* rec, int degrees);
void ToggleStringAutoSize(ObjectRecord* rec);
