// SkinH_AttachRes: takes one skin block and draws every current and future window of the
// process in it, through the application's palette, style and style sheet.
#include "kit/skinentry.h"
#include "skin/skinformat.h"
#include "skinengine/qt/skinstyle.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace {

// Far above any skin; a larger size is a caller's mistake, not a skin.
constexpr int largestblock = 1 << 20;

} // namespace

extern "C" __attribute__((visibility("default"))) int SKINENTRY_CALL
SkinH_AttachRes(const void* block, int size, const char* /*key*/, int, int, int) {
    if (!block || size <= 0 || size > largestblock) {
        return 0;
    }
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!application) {
        return 0;
    }
    // Everything needed is copied out during the call: the caller releases the block after.
    const auto skin = vantrel::parseskin(
        {static_cast<const unsigned char*>(block), static_cast<std::size_t>(size)});
    if (!skin) {
        return 0;
    }
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    QApplication::setPalette(vantrel::skinengine::skinpalette(*skin));
    application->setStyleSheet(vantrel::skinengine::skinstylesheet(*skin));
    return 1;
}
