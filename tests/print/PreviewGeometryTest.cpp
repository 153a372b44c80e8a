// The preview's page area without widgets: canvas size, zoom levels and their cycle, where the page
// stands, the scroll ranges and the wheel's lines.
#include <gtest/gtest.h>

#include "print/PreviewGeometry.h"

TEST(PreviewGeometry, CanvasIsThePagePlusHalfAnInchAtScreenResolution)
{
    EXPECT_EQ(PreviewPageSize(96, 96).width, 1122);
    EXPECT_EQ(PreviewPageSize(96, 96).height, 793);
    // Integer arithmetic: 96 + 96 * 2970 / 254 = 96 + 1122, 96 + 96 * 2100 / 254 = 96 + 793.
    EXPECT_EQ(PreviewCanvasSize(96, 96).width, 1218);
    EXPECT_EQ(PreviewCanvasSize(96, 96).height, 889);
    EXPECT_EQ(PreviewCanvasSize(120, 100).width, 120 + 1403);
    EXPECT_EQ(PreviewCanvasSize(120, 100).height, 100 + 826);
}

TEST(PreviewGeometry, ThreeClicksReturnToTheZoomThePreviewOpenedWith)
{
    const PixelSize canvas = PreviewCanvasSize(96, 96);
    PreviewZoom zoom;
    zoom.Fit({609, 889}, canvas); // half the canvas width: f = 0.5 (the narrower axis decides)
    const double f = zoom.Current();
    EXPECT_DOUBLE_EQ(f, 0.5);
    zoom.Next();
    EXPECT_DOUBLE_EQ(zoom.Current(), 1.0);
    zoom.Next();
    EXPECT_DOUBLE_EQ(zoom.Current(), 0.7 * f);
    zoom.Next();
    EXPECT_DOUBLE_EQ(zoom.Current(), f);

    // A window larger than the canvas does not enlarge the page past its real size.
    PreviewZoom big;
    big.Fit({3000, 2000}, canvas);
    EXPECT_DOUBLE_EQ(big.Current(), 1.0);
    EXPECT_DOUBLE_EQ(big.Level(0), 0.7);
}

TEST(PreviewGeometry, PageIsCentredWhenItFitsAndScrollsWhenItDoesNot)
{
    const PixelSize canvas = PreviewCanvasSize(96, 96);
    // At 0.5 the canvas (609 x 444.5) fits into 800 x 600: centred, half an inch (24 px) inside it.
    PixelPoint p = PreviewPageOrigin(96, 96, 0.5, canvas, {800, 600}, 0, 0);
    EXPECT_EQ(p.x, 24 + (800 - 609) / 2);
    EXPECT_EQ(p.y, static_cast<int>(24 + (600 - 444.5) / 2));
    // At 1.0 it does not fit: the page starts half an inch from the corner, moved by the scroll bars.
    p = PreviewPageOrigin(96, 96, 1.0, canvas, {800, 600}, 0, 0);
    EXPECT_EQ(p.x, 48);
    EXPECT_EQ(p.y, 48);
    p = PreviewPageOrigin(96, 96, 1.0, canvas, {800, 600}, 100, 30);
    EXPECT_EQ(p.x, -52);
    EXPECT_EQ(p.y, 18);
    // Too wide only: it still starts at the corner on both axes.
    p = PreviewPageOrigin(96, 96, 1.0, canvas, {1000, 1000}, 0, 0);
    EXPECT_EQ(p.y, 48);

    EXPECT_EQ(PreviewScrollMax(canvas.height, 1.0, 600), 289);
    EXPECT_EQ(PreviewScrollMax(canvas.width, 0.5, 800), 0);
}

TEST(PreviewGeometry, WheelScrollsOneLinePerShareOfANotchAndKeepsTheRest)
{
    WheelLines wheel;
    EXPECT_EQ(wheel.Add(120, 3), 3); // one notch: three lines
    EXPECT_EQ(wheel.Add(-120, 3), -3);
    EXPECT_EQ(wheel.Add(30, 3), 0);  // a touchpad's small steps add up
    EXPECT_EQ(wheel.Add(30, 3), 1);  // 60: one line of 40, 20 kept
    EXPECT_EQ(wheel.Add(20, 3), 1);  // 40 again
    EXPECT_EQ(wheel.Add(-40, 1), 0); // one line per notch: -40 of -120 so far
    EXPECT_EQ(wheel.Add(-80, 1), -1);
    EXPECT_EQ(wheel.Add(120, 0), 1); // a setting of 0 lines still scrolls
}
