#include "render/print_setup.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void FieldBounds(SetupField field, double* low, double* high) {
    if (field == SETUP_MARGIN) {
        *low = 0.0;
        *high = kMaxSideMargin / 1000.0;
    } else {
        *low = -kMaxPlacement / 1000.0;
        *high = kMaxPlacement / 1000.0;
    }
}

}  // namespace

const char* SetupFieldName(const EditionProfile& edition, SetupField field) {
    if (edition.id == EDITION_WIMBROOK) {
        static const char* const kNames[SETUP_FIELD_COUNT] = {"X (in.)", "Y (in.)", "X (in.)", "Y (in.)",
                                                              "Margin (in.)"};
        return kNames[field];
    }
    static const char* const kNames[SETUP_FIELD_COUNT] = {"Back: X (in.)", "Back: Y (in.)", "Front: X (in.)",
                                                          "Front: Y (in.)", "Margin (in.)"};
    return kNames[field];
}

std::string FormatSetupInches(double inches) {
    char text[64];
    std::snprintf(text, sizeof text, "%01.3f", inches);
    return text;
}

bool ReadSetupField(const EditionProfile& edition, SetupField field, const char* text, double* inches,
                    std::string* message) {
    double low, high;
    FieldBounds(field, &low, &high);
    const char* start = text ? text : "";
    while (IsBlank(*start)) ++start;
    char* end = nullptr;
    double value = std::strtod(start, &end);
    bool number = end != start;
    if (number) {
        while (IsBlank(*end)) ++end;
        number = *end == '\0';
    }
    if (number && std::isfinite(value) && value >= low && value <= high) {
        *inches = value;
        return true;
    }
    char line[200];
    std::snprintf(line, sizeof line, "\"%s\" needs a number of inches from %.3f to %.3f.",
                  SetupFieldName(edition, field), low, high);
    *message = line;
    return false;
}

double* SetupFieldValue(PrintSetupValues* v, SetupField field) {
    switch (field) {
    case SETUP_X: return &v->placement.newPosX;
    case SETUP_Y: return &v->placement.newPosY;
    case SETUP_X2: return &v->placement.newPosX2;
    case SETUP_Y2: return &v->placement.newPosY2;
    default: return &v->sideMargin;
    }
}
