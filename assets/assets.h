#pragma once

#include <span>

// The pictures and the icon, carried inside the program as the bytes of their files.
namespace vantrel::assets {

std::span<const unsigned char> banner();   // animated GIF, 468 x 60
std::span<const unsigned char> titleart(); // JPEG, 524 x 201
std::span<const unsigned char> house();    // JPEG, 118 x 124
std::span<const unsigned char> photo();    // JPEG, 812 x 434
std::span<const unsigned char> icon();     // .ico, one 128 x 128 image

} // namespace vantrel::assets
