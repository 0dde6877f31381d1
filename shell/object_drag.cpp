#include "shell/object_drag.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

DragState g_drag;

namespace {
// Rectangles come from label files too: keep the arithmetic wide.
int32_t Narrow(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}
}  // namespace

void MoveObjectClamped(ObjectRecord* rec, int32_t targetX, int32_t targetY, int32_t width, int32_t height) {
    int64_t w = int64_t{rec->Right} - rec->Left, h = int64_t{rec->Bottom} - rec->Top;
    int64_t tx = std::max<int64_t>(targetX, 0);
    int64_t ty = std::min<int64_t>(targetY, 0);
    if (tx + w > width) tx = width - w;
    if (ty + h < height) ty = height - h;
    rec->Left = Narrow(tx);
    rec->Top = Narrow(ty);
    rec->Right = Narrow(tx + w);
    rec->Bottom = Narrow(ty + h);
}

void ResizeObject(ObjectRecord* rec, int handle, int32_t targetX, int32_t targetY, int32_t width, int32_t height) {
    int64_t tx = std::min<int64_t>(std::max<int64_t>(targetX, 0), width);
    int64_t ty = std::max<int64_t>(std::min<int64_t>(targetY, 0), height);
    bool top = handle == 0 || handle == 1 || handle == 4;
    bool bottom = handle == 2 || handle == 3 || handle == 5;
    bool left = handle == 0 || handle == 2 || handle == 6;
    bool right = handle == 1 || handle == 3 || handle == 7;
    if (top) rec->Top = Narrow(std::max<int64_t>(ty, int64_t{rec->Bottom} + kMinObjectSize));
    if (bottom) rec->Bottom = Narrow(std::min<int64_t>(ty, int64_t{rec->Top} - kMinObjectSize));
    if (left) rec->Left = Narrow(std::min<int64_t>(tx, int64_t{rec->Right} - kMinObjectSize));
    if (right) rec->Right = Narrow(std::max<int64_t>(tx, int64_t{rec->Left} + kMinObjectSize));
}

namespace {
double Inches(int32_t units) { return units / 100.0; }
}  // namespace

std::string PositionAndSizeText(const ObjectRecord& rec) {
    char text[128];
    std::snprintf(text, sizeof text, "Position: %0.2f\", %0.2f\"     Size: %0.2f\" x %0.2f\"", Inches(rec.Left),
                  Inches(-rec.Top), Inches(rec.Right - rec.Left), Inches(rec.Top - rec.Bottom));
    return text;
}

std::string PositionText(const ObjectRecord& rec) {
    char text[64];
    std::snprintf(text, sizeof text, "Position: %0.2f\", %0.2f\"", Inches(rec.Left), Inches(-rec.Top));
    return text;
}

std::string SizeText(const ObjectRecord& rec) {
    char text[64];
    std::snprintf(text, sizeof text, "Size: %0.2f\" x %0.2f\"", Inches(rec.Right - rec.Left),
                  Inches(rec.Top - rec.Bottom));
    return text;
}
