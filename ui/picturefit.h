#pragma once

namespace vantrel::ui {

struct PictureSize {
    int width;
    int height;

    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

// The size a picture box shows its picture at: natural size when it fits, otherwise scaled
// down uniformly until it does, fractions cut off. Pictures are never enlarged.
PictureSize fitpicture(PictureSize box, PictureSize picture);

// Where the shown picture's top-left corner lies inside the box when centred; an odd leftover
// pixel goes to the right and bottom margins.
PictureSize centreoffset(PictureSize box, PictureSize shown);

} // namespace vantrel::ui
