#include "ui/picturefit.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vantrel::ui {

void PrintTo(const PictureSize& size, std::ostream* out) {
    *out << size.width << "x" << size.height;
}

namespace {

struct FitCase {
    const char* what;
    PictureSize box;
    PictureSize picture;
    PictureSize shown;
    PictureSize offset;
};

TEST(PictureFit, ShowsEachPictureAtTheSizeAndPlaceOfTheDisplayRule) {
    const FitCase cases[] = {
        // The main window's four picture boxes.
        {"title artwork", {213, 77}, {524, 201}, {200, 77}, {6, 0}},
        {"house", {25, 25}, {118, 124}, {23, 25}, {1, 0}},
        {"photograph", {280, 200}, {812, 434}, {280, 149}, {0, 25}},
        {"banner, smaller than its box", {576, 88}, {468, 60}, {468, 60}, {54, 14}},
        // Around the edges of the rule.
        {"exact fit", {118, 124}, {118, 124}, {118, 124}, {0, 0}},
        {"never enlarged", {300, 300}, {10, 20}, {10, 20}, {145, 140}},
        {"too wide only", {100, 50}, {120, 10}, {100, 8}, {0, 21}},
        {"too tall only", {50, 100}, {10, 120}, {8, 100}, {21, 0}},
        {"one pixel too wide", {100, 100}, {101, 100}, {100, 99}, {0, 0}},
        {"a sliver scaled to nothing", {10, 10}, {1000, 1}, {10, 0}, {0, 5}},
        {"empty picture", {25, 25}, {0, 0}, {0, 0}, {12, 12}},
        {"empty box", {0, 0}, {118, 124}, {0, 0}, {0, 0}},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.what);
        const PictureSize shown = fitpicture(c.box, c.picture);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(centreoffset(c.box, shown), c.offset);
    }
}

TEST(PictureFit, FillsTheLimitingSideExactlyForLargePictures) {
    // Floating-point factors can land a hair under the box's side and lose a pixel; the rule
    // scales one side to the box exactly, so it must come out equal to it.
    for (int side = 1; side <= 2000; ++side) {
        const PictureSize shown = fitpicture({side, 3000}, {4001, 3});
        ASSERT_EQ(shown.width, side);
        const PictureSize tall = fitpicture({3000, side}, {3, 4001});
        ASSERT_EQ(tall.height, side);
    }
}

} // namespace
} // namespace vantrel::ui
