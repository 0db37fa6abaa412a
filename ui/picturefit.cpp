#include "ui/picturefit.h"

#include <cstdint>

namespace vantrel::ui {

PictureSize fitpicture(PictureSize box, PictureSize picture) {
    if (picture.width <= 0 || picture.height <= 0) {
        return {0, 0};
    }
    if (picture.width <= box.width && picture.height <= box.height) {
        return picture;
    }
    if (box.width <= 0 || box.height <= 0) {
        return {0, 0};
    }
    // The factor is min(box.width / picture.width, box.height / picture.height). Comparing the
    // cross products picks the smaller one exactly; the side it comes from then fills the box,
    // and the other side is scaled in whole integers so no rounding error can cost a pixel.
    const std::int64_t bw = box.width;
    const std::int64_t bh = box.height;
    const std::int64_t pw = picture.width;
    const std::int64_t ph = picture.height;
    if (bw * ph <= bh * pw) {
        return {box.width, static_cast<int>(ph * bw / pw)};
    }
    return {static_cast<int>(pw * bh / ph), box.height};
}

PictureSize centreoffset(PictureSize box, PictureSize shown) {
    return {(box.width - shown.width) / 2, (box.height - shown.height) / 2};
}

} // namespace vantrel::ui
