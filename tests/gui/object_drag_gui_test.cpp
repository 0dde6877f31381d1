// Selecting, moving and resizing placed objects with real mouse input on
// the main window, in both views.
#include <gtest/gtest.h>

#include <windows.h>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "document/label_copy.h"
#include "document/object_list.h"
#include "editions/edition.h"
#include "render/page_origin.h"
#include "shell/object_drag.h"
#include "shell/view_points.h"
#include "shell/view_state.h"
#include "shell/win32/label_view_win32.h"
#include "shell/win32/win_state.h"
#include "tests/gui/gui_harness.h"
#include "tests/gui/view_input.h"

namespace {

class DragGuiTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = StartMainWindowInProcess(kViewTestIni);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        ClearObjectSelection(g_currentLabel);
        ClearLabel(g_currentLabel);
        CloseMainWindowInProcess();
    }
    bool Floppy() const { return TheEdition().id == EDITION_WIMBROOK; }
    // The view (Wimbrook has only its full-size view), page 1 current.
    void View(int fullSize) {
        g_view.fullSize = Floppy() ? 1 : fullSize;
        SwitchPage(0, 1);
        RepaintNow(window_);
    }
    // The object of the current label, element index.
    ObjectRecord& Object(int index = 0) { return g_currentLabel->Objects[index].rec; }
    LabelPoint At(int x, int y) { return LogicalOfPagePoint(1, {x, y}); }
    // The page-unit rectangle's logical midpoint.
    LabelPoint Middle(const ObjectRecord& r) { return At((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }
    HWND window_ = nullptr;
};

TEST_F(DragGuiTest, PressOnACornerHandleResizesWithinItsBand) {
    // 8 logical units: 16 label units in the spread view.
    View(0);
    AddObject(OBJECT_PICTURE, 1, LAYER_ON, {100, -60, 250, -220});
    bool half = HalfSizeView();
    int inside = half ? 12 : 5;
    PressAt(window_, At(100 + inside, -60 - inside));
    EXPECT_EQ(g_currentLabel->SelectionKind, SELECTED_PICTURE);
    EXPECT_EQ(g_drag.DragMode, DRAG_RESIZING);
    EXPECT_EQ(g_drag.HandleCode, 0);
    LabelPoint to = At(100 + inside - 40, -60 - inside + 30);
    MoveTo(window_, to);
    EXPECT_EQ(StatusText(window_).rfind("Size: ", 0), 0u) << StatusText(window_);
    ReleaseAt(window_, to);
    EXPECT_EQ(g_drag.DragMode, DRAG_NONE);
    EXPECT_NEAR(Object().Left, 60, 3);
    EXPECT_NEAR(Object().Top, -30, 3);
    EXPECT_EQ(Object().Right, 250) << "the opposite corner stays";
    EXPECT_EQ(Object().Bottom, -220);
    // Just outside the band the press moves the picture.
    int outside = half ? 24 : 14;
    PressAt(window_, At(Object().Left + outside, Object().Top - outside));
    EXPECT_EQ(g_drag.DragMode, DRAG_MOVING);
    ReleaseAt(window_, At(Object().Left + outside, Object().Top - outside));
}

TEST_F(DragGuiTest, AutoSizedStringMovesFromItsCorner) {
    View(0);
    AddObject(OBJECT_STRING, 1, LAYER_ABOVE, {100, -100, 220, -140}, true);
    LabelPoint corner = At(102, -102);
    PressAt(window_, corner);
    EXPECT_EQ(g_currentLabel->SelectionKind, SELECTED_STRING);
    EXPECT_EQ(g_drag.DragMode, DRAG_MOVING);
    LabelPoint to = {corner.x + 20, corner.y - 10};
    MoveTo(window_, to);
    EXPECT_EQ(StatusText(window_).rfind("Position: ", 0), 0u) << StatusText(window_);
    ReleaseAt(window_, to);
    int k = HalfSizeView() ? 2 : 1;
    EXPECT_NEAR(Object().Left, 100 + 20 * k, 3);
    EXPECT_NEAR(Object().Top, -100 - 10 * k, 3);
    EXPECT_EQ(Object().Right - Object().Left, 120) << "moved, not resized";
    EXPECT_EQ(Object().Top - Object().Bottom, 40);
}

TEST_F(DragGuiTest, ShiftPressOnAHandleMoves) {
    View(1);
    AddObject(OBJECT_PICTURE, 1, LAYER_ON, {100, -100, 200, -200});
    LabelPoint handle = At(198, -198);
    PressAt(window_, handle, {VK_SHIFT});
    EXPECT_EQ(g_drag.DragMode, DRAG_MOVING);
    ReleaseAt(window_, {handle.x + 30, handle.y}, {VK_SHIFT});
    EXPECT_NEAR(Object().Left, 130, 2);
    EXPECT_EQ(Object().Right - Object().Left, 100);
}

TEST_F(DragGuiTest, ResizingStopsAtATenthOfAnInchAndAtThePageEdges) {
    View(1);
    AddObject(OBJECT_PICTURE, 1, LAYER_ON, {100, -100, 200, -200});
    DragFromTo(window_, At(197, -197), At(20, -20));
    EXPECT_EQ(Object().Right - Object().Left, kMinObjectSize);
    EXPECT_EQ(Object().Top - Object().Bottom, kMinObjectSize);
    PageOrigin(g_currentLabel, 1);
    int width = g_currentLabel->PageWidth, height = g_currentLabel->PageHeight;
    // Another picture's corner dragged beyond the page's bottom-right
    // corner: the edges stop there.
    AddObject(OBJECT_PICTURE, 1, LAYER_ON, {150, -150, 250, -250});
    DragFromTo(window_, At(247, -247), At(width + 15, height - 15));
    EXPECT_EQ(Object().Right, width);
    EXPECT_EQ(Object().Bottom, height);
    EXPECT_EQ(Object().Left, 150);
    EXPECT_EQ(Object().Top, -150);
}

TEST_F(DragGuiTest, AnObjectWiderThanThePageEndsRightAlignedWithANegativeLeft) {
    View(1);
    PageOrigin(g_currentLabel, 1);
    int width = g_currentLabel->PageWidth;
    AddObject(OBJECT_PICTURE, 1, LAYER_ON, {0, -50, width + 60, -150});
    LabelPoint from = At(width / 2, -100);
    DragFromTo(window_, from, {from.x + 40, from.y - 20});
    EXPECT_EQ(Object().Right, width);
    EXPECT_EQ(Object().Left, -60);
    EXPECT_NEAR(Object().Top, -70, 2);
    EXPECT_EQ(StatusText(window_).rfind("Position: -0.60\"", 0), 0u) << StatusText(window_);
}

TEST_F(DragGuiTest, PressAndReleaseWithoutMovementChangesNothingAndRepaintsOnlyTheObject) {
    View(1);
    AddObject(OBJECT_PICTURE, 1, LAYER_ON, {100, -100, 200, -200});
    LabelPoint middle = Middle(Object());
    // Select it first, then press and release on it again.
    ClickAt(window_, middle);
    ASSERT_TRUE(PumpUntilHandled(window_));  // the click's repaint, before the update area is cleared
    ValidateRect(window_, nullptr);
    PressAt(window_, middle);
    ReleaseAt(window_, middle);
    EXPECT_EQ(Object().Left, 100);
    EXPECT_EQ(Object().Top, -100);
    EXPECT_EQ(Object().Right, 200);
    EXPECT_EQ(Object().Bottom, -200);
    RECT update = {};
    GetUpdateRect(window_, &update, FALSE);
    RECT expected;
    {
        PageOrigin(g_currentLabel, 1);
        LabelRect onScreen = PageUnitsToLogical(ObjectRect(Object()), *g_currentLabel, false);
        POINT a = ClientPixelOf(window_, {onScreen.left, onScreen.top});
        POINT b = ClientPixelOf(window_, {onScreen.right, onScreen.bottom});
        expected = {a.x, a.y, b.x, b.y};
    }
    EXPECT_FALSE(IsRectEmpty(&update)) << "the object's own area is drawn again";
    EXPECT_GE(update.left, expected.left - 1);
    EXPECT_LE(update.right, expected.right + 1);
    EXPECT_GE(update.top, expected.top - 1);
    EXPECT_LE(update.bottom, expected.bottom + 1);
    EXPECT_EQ(StatusText(window_), "Position: 1.00\", 1.00\"     Size: 1.00\" x 1.00\"");
}

TEST_F(DragGuiTest, FrontObjectOfALayerAndAnObjectAboveTheLabelAreHitFirst) {
    View(1);
    AddObject(OBJECT_PICTURE, 1, LAYER_ON, {20, -20, 120, -120});  // element 0: the front
    AddObject(OBJECT_PICTURE, 1, LAYER_ON, {80, -80, 180, -180});
    AddObject(OBJECT_STRING, 1, LAYER_BELOW, {140, -140, 240, -240});
    AddObject(OBJECT_STRING, 1, LAYER_ABOVE, {160, -160, 220, -220});  // last in the list
    ObjectRecord front = Object(0);
    ClickAt(window_, At(100, -100));
    EXPECT_EQ(g_currentLabel->SelectionKind, SELECTED_PICTURE);
    EXPECT_EQ(Object(0).Left, front.Left) << "the overlap hits the front object";
    ClickAt(window_, At(170, -170));
    EXPECT_EQ(g_currentLabel->SelectionKind, SELECTED_STRING);
    EXPECT_EQ(Object(0).Layer, LAYER_ABOVE);
    EXPECT_EQ(Object(0).Left, 160);
    // Nothing under the click: the selection clears and the status says so.
    ClickAt(window_, At(250, -30));
    EXPECT_EQ(g_currentLabel->SelectionKind, SELECTED_NOTHING);
    EXPECT_EQ(StatusText(window_), "Ready");
}

TEST_F(DragGuiTest, SelectionFrameIsGreenWithInvertedHandlesExceptOnSelfSizingStrings) {
    View(1);
    AddObject(OBJECT_PICTURE, 1, LAYER_ON, {40, -40, 140, -140});
    AddObject(OBJECT_STRING, 1, LAYER_ON, {150, -150, 250, -210}, true);
    PageOrigin(g_currentLabel, 1);
    LabelRect picture = PageUnitsToLogical(ObjectRect(Object(0)), *g_currentLabel, false);
    LabelRect string = PageUnitsToLogical(ObjectRect(Object(1)), *g_currentLabel, false);
    // What lies under the handles before anything is selected.
    LabelPoint pictureHandle = {picture.left + 4, picture.top - 4}, stringHandle = {string.left + 4, string.top - 4};
    COLORREF underPicture = PixelAt(window_, pictureHandle), underString = PixelAt(window_, stringHandle);
    auto frameInk = [this](const LabelRect& f) {
        return CountPixels(window_, {f.left + 20, f.top + 1, f.right - 20, f.top - 1}, RGB(0, 255, 0));
    };
    EXPECT_EQ(frameInk(picture), 0);

    ClickAt(window_, Middle(Object(0)));
    RepaintNow(window_);
    EXPECT_GT(frameInk(picture), 10);
    EXPECT_EQ(PixelAt(window_, pictureHandle), underPicture ^ 0xFFFFFF) << "the handle inverts what lies under it";

    ClickAt(window_, At(200, -180));
    ASSERT_EQ(g_currentLabel->SelectionKind, SELECTED_STRING);
    RepaintNow(window_);
    EXPECT_EQ(frameInk(picture), 0) << "the old frame is gone";
    EXPECT_EQ(PixelAt(window_, pictureHandle), underPicture);
    PageOrigin(g_currentLabel, 1);
    string = PageUnitsToLogical(ObjectRect(Object(0)), *g_currentLabel, false);
    EXPECT_GT(frameInk(string), 10);
    EXPECT_EQ(PixelAt(window_, stringHandle), underString) << "a self-sizing string has no handles";
}

TEST_F(DragGuiTest, LosingTheCaptureEndsTheDragAndErasesTheBand) {
    View(1);
    AddObject(OBJECT_PICTURE, 1, LAYER_ON, {100, -100, 200, -200});
    LabelPoint middle = Middle(Object());
    ClickAt(window_, middle);
    RepaintNow(window_);
    COLORREF before = PixelAt(window_, At(100, -150));
    PressAt(window_, middle);
    MoveTo(window_, {middle.x + 30, middle.y});
    ASSERT_EQ(g_drag.DragMode, DRAG_MOVING);
    ASSERT_EQ(GetCapture(), window_);
    // Another window takes the mouse.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
    SetCapture(other);
    ASSERT_TRUE(PumpUntilHandled(window_));
    EXPECT_EQ(g_drag.DragMode, DRAG_NONE);
    EXPECT_FALSE(g_drag.bandShown);
    EXPECT_EQ(Object().Left, 100) << "a drag that did not end with a release changes nothing";
    ReleaseCapture();
    DestroyWindow(other);
    ASSERT_TRUE(PumpUntilHandled(window_));
    EXPECT_EQ(PixelAt(window_, At(100, -150)), before);
    // The release that comes later does nothing.
    SendMessageA(window_, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(Object().Left, 100);
}

}  // namespace
