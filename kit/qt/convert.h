// The kit's edge: the program's GBK texts and the definitions' UTF-8 texts become Qt strings
// here, and what the operator types comes back as GBK.
#pragma once

#include "text/text.h"
#include "ui/definition.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <string_view>

namespace vantrel::qt {

QString fromtext(std::string_view gbk);
Text totext(const QString& shown);
// Definition texts are UTF-8 already.
QString fromdefinition(std::string_view utf8);

QColor colour(ui::Rgb rgb);

// The font a definition names: "黑体" or, where it is missing, a bold CJK sans-serif face at
// the same pixel height; an empty face is the default GUI font.
QFont definitionfont(const ui::Font& font);
// The system's default font for dialog controls, as the definitions were laid out for it.
QFont defaultguifont();

} // namespace vantrel::qt
