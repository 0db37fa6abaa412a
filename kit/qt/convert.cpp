#include "kit/qt/convert.h"

#include <QStringList>

#include <algorithm>

namespace vantrel::qt {

namespace {

bool ascii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

// Numbers and IDs are most of a long list's cells; they skip the converter.
QString fromtext(std::string_view gbk) {
    if (ascii(gbk)) {
        return QString::fromLatin1(gbk.data(), static_cast<qsizetype>(gbk.size()));
    }
    return QString::fromStdString(toutf8(gbk));
}

Text totext(const QString& shown) {
    const QByteArray utf8 = shown.toUtf8();
    const std::string_view bytes(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    return ascii(bytes) ? Text(bytes) : fromutf8(bytes);
}

QString fromdefinition(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QColor colour(ui::Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QFont definitionfont(const ui::Font& font) {
    if (font.face.empty()) {
        return defaultguifont();
    }
    QFont chosen;
    chosen.setFamilies({fromdefinition(font.face), QStringLiteral("SimHei"),
                        QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Sans CJK SC"),
                        QStringLiteral("Source Han Sans SC"),
                        QStringLiteral("WenQuanYi Micro Hei")});
    chosen.setPixelSize(font.pixels);
    chosen.setBold(font.bold);
    return chosen;
}

QFont defaultguifont() {
    // 12 pixels is the Windows dialog font the layouts were measured against (9 points).
    QFont chosen;
    chosen.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"),
                        QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("WenQuanYi Zen Hei"),
                        QStringLiteral("Noto Sans CJK SC")});
    chosen.setPixelSize(12);
    return chosen;
}

} // namespace vantrel::qt
