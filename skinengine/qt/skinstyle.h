// What a skin looks like in Qt: the palette of every window face and the style sheet of the
// controls that the system would draw.
#pragma once

#include "skin/skinformat.h"

#include <QPalette>
#include <QString>

namespace vantrel::skinengine {

QPalette skinpalette(const Skin& skin);
QString skinstylesheet(const Skin& skin);

} // namespace vantrel::skinengine
