// The pointer maps to picture pixels through the letterbox of the drawable's
// real size, whatever size the window asked for.
#include <gtest/gtest.h>

#include "base/letterbox.h"

namespace {

struct Point {
    int x, y;
    bool operator==(const Point&) const = default;
};

Point Map(int wx, int wy, int winW, int winH, int drawW, int drawH) {
    Point p{-1, -1};
    MapPointer(wx, wy, winW, winH, drawW, drawH, p.x, p.y);
    return p;
}

}  // namespace

TEST(Letterbox, FitsTheLargestCentredFourByThree) {
    auto same = [](Letterbox a, Letterbox b) { return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h; };
    EXPECT_TRUE(same(FitPicture(640, 480), {0, 0, 640, 480}));
    EXPECT_TRUE(same(FitPicture(1280, 1024), {0, 32, 1280, 960}));  // bars above and below
    EXPECT_TRUE(same(FitPicture(1920, 1080), {240, 0, 1440, 1080}));  // bars left and right
    Letterbox tiny = FitPicture(0, 0);  // a minimised window divides by nothing
    EXPECT_GT(tiny.w, 0);
    EXPECT_GT(tiny.h, 0);
}

TEST(PointerMapping, SixFortyWindowIsOneToOne) {
    EXPECT_EQ(Map(0, 0, 640, 480, 640, 480), (Point{0, 0}));
    EXPECT_EQ(Map(639, 479, 640, 480, 640, 480), (Point{639, 479}));
    EXPECT_EQ(Map(123, 321, 640, 480, 640, 480), (Point{123, 321}));
}

TEST(PointerMapping, TwelveEightyByTenTwentyFourSkipsTheBars) {
    EXPECT_EQ(Map(640, 512, 1280, 1024, 1280, 1024), (Point{320, 240}));
    EXPECT_EQ(Map(0, 32, 1280, 1024, 1280, 1024), (Point{0, 0}));
    EXPECT_EQ(Map(1279, 991, 1280, 1024, 1280, 1024), (Point{639, 479}));
    // In the bars the pointer stays on the picture's edge.
    EXPECT_EQ(Map(100, 5, 1280, 1024, 1280, 1024), (Point{50, 0}));
    EXPECT_EQ(Map(100, 1020, 1280, 1024, 1280, 1024), (Point{50, 479}));
}

TEST(PointerMapping, RefusedFullScreenUsesTheSizeTheWindowGot) {
    // Full screen asked at 1280x1024 but refused: the window stayed 640x480,
    // and a click at its centre must land on the picture's centre.
    EXPECT_EQ(Map(320, 240, 640, 480, 640, 480), (Point{320, 240}));
    // What the old mapping did: the asked-for size puts it at the top left.
    EXPECT_EQ(Map(320, 240, 1280, 1024, 1280, 1024), (Point{160, 104}));
}

TEST(PointerMapping, AfterAResizeAndOnHighDensityScreens) {
    Letterbox box = FitPicture(1000, 700);
    EXPECT_EQ(Map(box.x, 0, 1000, 700, 1000, 700), (Point{0, 0}));
    EXPECT_EQ(Map(box.x + box.w - 1, 699, 1000, 700, 1000, 700), (Point{639, 479}));
    EXPECT_EQ(Map(500, 350, 1000, 700, 1000, 700), (Point{320, 240}));
    // Window points at half the drawable's pixels.
    EXPECT_EQ(Map(320, 240, 640, 480, 1280, 960), (Point{320, 240}));
    EXPECT_EQ(Map(639, 479, 640, 480, 1280, 960), (Point{639, 479}));
}
