// Hit tests of placed objects and their handles, the selection frame's
// handle squares, moving with clamping, resizing with its minimum, and the
// status-bar texts.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "document/label_copy.h"
#include "document/object_list.h"
#include "shell/object_drag.h"
#include "shell/object_hit_test.h"
#include "render/page_origin.h"
#include "shell/view_points.h"
#include "shell/view_state.h"
#include "tests/core/program_state.h"

namespace {

ObjectRecord Rect(int32_t left, int32_t top, int32_t right, int32_t bottom, int type = OBJECT_PICTURE) {
    ObjectRecord rec;
    std::memset(&rec, 0, sizeof rec);
    rec.Type = type;
    rec.Page = 1;
    rec.Layer = LAYER_ON;
    rec.Left = left;
    rec.Top = top;
    rec.Right = right;
    rec.Bottom = bottom;
    return rec;
}

class ObjectListTest : public testing::Test {
protected:
    void SetUp() override { std::memset(&label_, 0, sizeof label_); }
    void TearDown() override { ClearLabel(&label_); }
    // Appends at the end of the list (the list inserts at the head).
    void Add(const ObjectRecord& rec) {
        PlacedObject o;
        std::memset(&o, 0, sizeof o);
        o.rec = rec;
        ASSERT_TRUE(InsertObjectAtHead(&label_, o));
        for (int i = 0; i + 1 < label_.NumObjects; ++i) std::swap(label_.Objects[i], label_.Objects[i + 1]);
    }
    ZIPINFO label_;
};

TEST(ObjectHitTest, ContainmentIsHalfOpenForBothCornerOrders) {
    LabelRect usual = {10, -10, 50, -40};
    EXPECT_TRUE(RectContainsPoint(usual, {10, -10}));   // left and top edges belong to it
    EXPECT_FALSE(RectContainsPoint(usual, {50, -20}));  // the right edge does not
    EXPECT_FALSE(RectContainsPoint(usual, {20, -40}));  // nor the bottom edge
    EXPECT_TRUE(RectContainsPoint(usual, {49, -39}));
    EXPECT_FALSE(RectContainsPoint(usual, {9, -20}));
    EXPECT_FALSE(RectContainsPoint(usual, {20, -9}));
    // Corners stored the other way round: the closed and open ends swap.
    LabelRect reversed = {50, -40, 10, -10};
    EXPECT_FALSE(RectContainsPoint(reversed, {10, -20}));
    EXPECT_TRUE(RectContainsPoint(reversed, {50, -20}));
    EXPECT_TRUE(RectContainsPoint(reversed, {20, -40}));
    EXPECT_FALSE(RectContainsPoint(reversed, {20, -10}));
}

TEST_F(ObjectListTest, FrontObjectOfALayerAndUpperLayersAreHitFirst) {
    ObjectRecord below = Rect(0, 0, 200, -200);
    below.Layer = LAYER_BELOW;
    ObjectRecord onA = Rect(50, -50, 150, -150);
    ObjectRecord onB = Rect(100, -100, 180, -180);
    ObjectRecord above = Rect(120, -120, 190, -190);
    above.Layer = LAYER_ABOVE;
    ObjectRecord otherPage = Rect(0, 0, 300, -300);
    otherPage.Page = 2;
    otherPage.Layer = LAYER_ABOVE;
    for (const ObjectRecord& r : {below, onA, onB, above, otherPage}) Add(r);
    ASSERT_EQ(label_.NumObjects, 5);
    // Overlap of the two on the label: the one nearer the front wins.
    EXPECT_EQ(HitTestObjectsAt(label_, 1, {110, -110}), 1);
    // Above the label beats on and below it, whatever the list order.
    EXPECT_EQ(HitTestObjectsAt(label_, 1, {130, -130}), 3);
    EXPECT_EQ(HitTestObjectsAt(label_, 1, {10, -10}), 0);
    EXPECT_EQ(HitTestObjectsAt(label_, 1, {250, -10}), -1);
    EXPECT_EQ(HitTestObjectsAt(label_, 2, {10, -10}), 4);
    // Selecting the other one of the overlap brings it to the front.
    MoveObjectToHead(&label_, 2);
    EXPECT_EQ(HitTestObjectsAt(label_, 1, {110, -110}), 0);
}

TEST(ObjectHitTest, HandlesInEightUnitBandsAtFullSize) {
    ObjectRecord r = Rect(100, -100, 200, -160);
    EXPECT_EQ(HitTestHandlesAt(r, {100, -100}, false), HANDLE_TOP_LEFT);
    EXPECT_EQ(HitTestHandlesAt(r, {108, -108}, false), HANDLE_TOP_LEFT);
    EXPECT_EQ(HitTestHandlesAt(r, {109, -108}, false), HANDLE_NONE);
    EXPECT_EQ(HitTestHandlesAt(r, {195, -103}, false), HANDLE_TOP_RIGHT);
    EXPECT_EQ(HitTestHandlesAt(r, {102, -157}, false), HANDLE_BOTTOM_LEFT);
    EXPECT_EQ(HitTestHandlesAt(r, {200, -160}, false), HANDLE_BOTTOM_RIGHT);
    // Middles: m = (100 + 200 - 8) / 2 = 146, n = (100 + 160 - 8) / 2 = 126.
    EXPECT_EQ(HitTestHandlesAt(r, {146, -100}, false), HANDLE_TOP_MIDDLE);
    EXPECT_EQ(HitTestHandlesAt(r, {154, -155}, false), HANDLE_BOTTOM_MIDDLE);
    EXPECT_EQ(HitTestHandlesAt(r, {145, -155}, false), HANDLE_NONE);
    EXPECT_EQ(HitTestHandlesAt(r, {104, -126}, false), HANDLE_LEFT_MIDDLE);
    EXPECT_EQ(HitTestHandlesAt(r, {196, -134}, false), HANDLE_RIGHT_MIDDLE);
    EXPECT_EQ(HitTestHandlesAt(r, {196, -135}, false), HANDLE_NONE);
    EXPECT_EQ(HitTestHandlesAt(r, {150, -130}, false), HANDLE_NONE);
}

TEST(ObjectHitTest, SpreadViewBandsAreSixteenUnitsAndSelfSizingStringsHaveNone) {
    ObjectRecord r = Rect(100, -100, 300, -260);
    EXPECT_EQ(HitTestHandlesAt(r, {115, -115}, false), HANDLE_NONE);
    EXPECT_EQ(HitTestHandlesAt(r, {115, -115}, true), HANDLE_TOP_LEFT);
    EXPECT_EQ(HitTestHandlesAt(r, {116, -116}, true), HANDLE_TOP_LEFT);
    EXPECT_EQ(HitTestHandlesAt(r, {117, -116}, true), HANDLE_NONE);
    EXPECT_EQ(HitTestHandlesAt(r, {285, -245}, true), HANDLE_BOTTOM_RIGHT);
    ObjectRecord s = Rect(100, -100, 300, -260, OBJECT_STRING);
    s.AutoSize = 1;
    EXPECT_EQ(HitTestHandlesAt(s, {100, -100}, false), HANDLE_NONE);
    s.AutoSize = 0;
    EXPECT_EQ(HitTestHandlesAt(s, {100, -100}, false), HANDLE_TOP_LEFT);
    // Far-out rectangles from a damaged file do not overflow.
    ObjectRecord wild = Rect(INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN);
    EXPECT_EQ(HitTestHandlesAt(wild, {0, 0}, false), HANDLE_NONE);
}

TEST(ObjectHitTest, HandleSquaresLieInsideTheFrame) {
    LabelRect squares[8];
    HandleSquares({100, -50, 200, -110}, squares);
    EXPECT_EQ(squares[HANDLE_TOP_LEFT], (LabelRect{100, -50, 108, -58}));
    EXPECT_EQ(squares[HANDLE_TOP_RIGHT], (LabelRect{192, -50, 200, -58}));
    EXPECT_EQ(squares[HANDLE_BOTTOM_LEFT], (LabelRect{100, -102, 108, -110}));
    EXPECT_EQ(squares[HANDLE_BOTTOM_RIGHT], (LabelRect{192, -102, 200, -110}));
    EXPECT_EQ(squares[HANDLE_TOP_MIDDLE], (LabelRect{146, -50, 154, -58}));
    EXPECT_EQ(squares[HANDLE_BOTTOM_MIDDLE], (LabelRect{146, -102, 154, -110}));
    // y from (top + bottom + 8) / 2 = -76, 8 high.
    EXPECT_EQ(squares[HANDLE_LEFT_MIDDLE], (LabelRect{100, -76, 108, -84}));
    EXPECT_EQ(squares[HANDLE_RIGHT_MIDDLE], (LabelRect{192, -76, 200, -84}));
}

TEST(ObjectHitTest, HandleAnchors) {
    ObjectRecord r = Rect(100, -100, 200, -160);
    EXPECT_EQ(HandleAnchor(r, HANDLE_TOP_LEFT).x, 100);
    EXPECT_EQ(HandleAnchor(r, HANDLE_BOTTOM_RIGHT).y, -160);
    EXPECT_EQ(HandleAnchor(r, HANDLE_TOP_MIDDLE).x, 146);
    EXPECT_EQ(HandleAnchor(r, HANDLE_TOP_MIDDLE).y, -100);
    EXPECT_EQ(HandleAnchor(r, HANDLE_RIGHT_MIDDLE).x, 200);
    EXPECT_EQ(HandleAnchor(r, HANDLE_RIGHT_MIDDLE).y, -134);
}

TEST(ObjectDrag, MovingClampsToThePageInOrder) {
    // Kestrin's back cover: 494 x -481.
    ObjectRecord r = Rect(100, -100, 200, -150);
    MoveObjectClamped(&r, -30, 20, 494, -481);
    EXPECT_EQ(r.Left, 0);
    EXPECT_EQ(r.Top, 0);
    EXPECT_EQ(r.Right, 100);
    EXPECT_EQ(r.Bottom, -50);
    MoveObjectClamped(&r, 450, -470, 494, -481);
    EXPECT_EQ(r.Left, 394);
    EXPECT_EQ(r.Right, 494);
    EXPECT_EQ(r.Top, -431);
    EXPECT_EQ(r.Bottom, -481);
    MoveObjectClamped(&r, 123, -45, 494, -481);
    EXPECT_EQ(r.Left, 123);
    EXPECT_EQ(r.Top, -45);
}

TEST(ObjectDrag, AnObjectWiderOrTallerThanThePageEndsAtTheFarEdges) {
    ObjectRecord wide = Rect(0, 0, 600, -100);
    MoveObjectClamped(&wide, 40, -10, 494, -481);
    EXPECT_EQ(wide.Right, 494);
    EXPECT_EQ(wide.Left, -106);
    EXPECT_EQ(wide.Top, -10);
    ObjectRecord tall = Rect(0, 0, 100, -500);
    MoveObjectClamped(&tall, 10, -5, 494, -481);
    EXPECT_EQ(tall.Bottom, -481);
    EXPECT_EQ(tall.Top, 19);
}

TEST(ObjectDrag, ResizingKeepsATenthOfAnInchAndStaysOnThePage) {
    ObjectRecord r = Rect(100, -100, 200, -160);
    ResizeObject(&r, HANDLE_BOTTOM_RIGHT, 20, -20, 494, -481);
    EXPECT_EQ(r.Right, 110);
    EXPECT_EQ(r.Bottom, -110);
    EXPECT_EQ(r.Left, 100);
    EXPECT_EQ(r.Top, -100);
    ResizeObject(&r, HANDLE_BOTTOM_RIGHT, 900, -900, 494, -481);
    EXPECT_EQ(r.Right, 494);
    EXPECT_EQ(r.Bottom, -481);
    ResizeObject(&r, HANDLE_TOP_LEFT, -50, 50, 494, -481);
    EXPECT_EQ(r.Left, 0);
    EXPECT_EQ(r.Top, 0);
    ResizeObject(&r, HANDLE_TOP_LEFT, 490, -480, 494, -481);
    EXPECT_EQ(r.Left, 484);
    EXPECT_EQ(r.Top, -471);
}

TEST(ObjectDrag, EachHandleMovesOnlyItsEdges) {
    // Every handle dragged to (50, -50), above and left of the rectangle.
    const LabelRect expected[8] = {
        {50, -50, 200, -160},   // top-left
        {100, -50, 110, -160},  // top-right: the right edge stops 10 right of the left
        {50, -100, 200, -110},  // bottom-left: the bottom stops 10 below the top
        {100, -100, 110, -110}, // bottom-right
        {100, -50, 200, -160},  // top-middle
        {100, -100, 200, -110}, // bottom-middle
        {50, -100, 200, -160},  // left-middle
        {100, -100, 110, -160}, // right-middle
    };
    for (int handle = 0; handle < 8; ++handle) {
        ObjectRecord r = Rect(100, -100, 200, -160);
        ResizeObject(&r, handle, 50, -50, 494, -481);
        EXPECT_EQ(ObjectRect(r), expected[handle]) << "handle " << handle;
    }
}

TEST(ObjectDrag, StatusTextsInInches) {
    ObjectRecord r = Rect(125, -50, 300, -110);
    EXPECT_EQ(PositionAndSizeText(r), "Position: 1.25\", 0.50\"     Size: 1.75\" x 0.60\"");
    EXPECT_EQ(PositionText(r), "Position: 1.25\", 0.50\"");
    EXPECT_EQ(SizeText(r), "Size: 1.75\" x 0.60\"");
    ObjectRecord out = Rect(-106, 0, 494, -100);
    EXPECT_EQ(PositionText(out), "Position: -1.06\", 0.00\"");
}

TEST(ViewPoints, SpreadViewDoublesLabelUnitsAndHalvesRectangles) {
    ZIPINFO label;
    std::memset(&label, 0, sizeof label);
    label.LabelOriginX = 300;
    label.LabelOriginY = -160;
    LabelPoint full = LogicalToPageUnits({350, -200}, label, false);
    EXPECT_EQ(full.x, 50);
    EXPECT_EQ(full.y, -40);
    LabelPoint half = LogicalToPageUnits({350, -200}, label, true);
    EXPECT_EQ(half.x, 100);
    EXPECT_EQ(half.y, -80);
    EXPECT_EQ(PageUnitsToLogical({101, -51, 203, -99}, label, true), (LabelRect{350, -185, 401, -209}));
    EXPECT_EQ(PageUnitsToLogical({101, -51, 203, -99}, label, false), (LabelRect{401, -211, 503, -259}));
    EXPECT_TRUE(HalfSizeView(kKestrinProfile, 0));
    EXPECT_FALSE(HalfSizeView(kKestrinProfile, 1));
    EXPECT_FALSE(HalfSizeView(kWimbrookProfile, 0));
}

}  // namespace

namespace {

TEST(ObjectHitTest, ShellViewHitTestsPlaceTheCurrentPage) {
    ResetProgramState(kKestrinProfile);
    g_view.labelKind = KIND_BOOKLET;
    g_view.currentPage = 4;
    g_view.fullSize = 0;
    g_view.originY = -35;
    PlacedObject o;
    std::memset(&o, 0, sizeof o);
    o.rec = Rect(100, -100, 300, -260);
    o.rec.Page = 4;
    ASSERT_TRUE(InsertObjectAtHead(g_currentLabel, o));
    // Leave the record placed for another page: the hit test places page 4.
    PageOrigin(g_currentLabel, 3);
    ZIPINFO page4;
    std::memset(&page4, 0, sizeof page4);
    PageOrigin(&page4, 4);
    LabelPoint topLeft = {page4.LabelOriginX + 50, page4.LabelOriginY - 50};  // (100, -100) at half size
    EXPECT_EQ(HitTestObjects(topLeft), 0);
    EXPECT_EQ(HitTestObjects({topLeft.x - 1, topLeft.y}), -1);
    EXPECT_EQ(HitTestHandles(topLeft), HANDLE_NONE) << "nothing selected";
    SelectListObject(g_currentLabel, 0);
    EXPECT_EQ(HitTestHandles({topLeft.x + 8, topLeft.y - 8}), HANDLE_TOP_LEFT) << "16 label units";
    EXPECT_EQ(HitTestHandles({topLeft.x + 9, topLeft.y - 8}), HANDLE_NONE);
    g_view.currentPage = 3;
    EXPECT_EQ(HitTestObjects(topLeft), -1) << "another page's objects are not hit";
    ResetProgramState(kKestrinProfile);
}

}  // namespace
