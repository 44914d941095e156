#include "platform/ui/tests/support/screenshot.h"

#include <QDir>
#include <QImage>
#include <QWidget>

#include <cstdio>

namespace kelvo::testing {

namespace {

bool HasOneColour(const QImage& image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first) return false;
        }
    }
    return true;
}

}  // namespace

bool SaveScreenshot(QWidget& widget, const char* suite, const char* name, QSize size) {
    widget.resize(size);
    const QImage picture = widget.grab().toImage();
    if (picture.isNull() || HasOneColour(picture)) {
        std::fprintf(stderr, "screenshot %s-%s: the picture has one colour only\n", suite, name);
        return false;
    }
    const QDir folder(QStringLiteral(KELVO_SCREENSHOT_DIR));
    if (!folder.mkpath(QStringLiteral("."))) return false;
    const QString file = folder.filePath(QStringLiteral("%1-%2.png").arg(QString::fromUtf8(suite), QString::fromUtf8(name)));
    if (picture.save(file)) return true;
    std::fprintf(stderr, "screenshot %s-%s: cannot write %s\n", suite, name, file.toUtf8().constData());
    return false;
}

}  // namespace kelvo::testing
