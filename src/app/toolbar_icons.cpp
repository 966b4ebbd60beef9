// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolbar_icons.h"

#include "gfx/icons.h"

#include <QPainter>
#include <QSvgRenderer>

static void initToolbarIconResources() { Q_INIT_RESOURCE(toolbar_icons); }

namespace toolbar {

const std::vector<int>& iconIds() {
    static const std::vector<int> ids = {100, 101, 102, 103, 107, 108, 110, 112, 113, 115, 116, 117,
                                         119, 120, 121, 122, 123, 124, 125, 126, 127, 128, 129, 130,
                                         131, 132, 133, 134, 300, 301, 302, 303, 304};
    return ids;
}

QImage greyedTwin(const QImage& icon) {
    QImage out = icon.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            const int alpha = qAlpha(p);
            if (alpha == 0) continue;
            // Non-premultiplied ARGB32: grey from the luminance, squeezed into 110..225 so that
            // the drawing stays readable but clearly flat against the grey toolbar (200).
            const int lum = (qRed(p) * 77 + qGreen(p) * 150 + qBlue(p) * 29) >> 8;
            const int g = 110 + lum * 45 / 100;
            line[x] = qRgba(g, g, g, alpha);
        }
    }
    return out;
}

QImage renderIcon(int id, int scale) {
    initToolbarIconResources();
    QSvgRenderer renderer(QStringLiteral(":/toolbar/icon%1.svg").arg(id));
    if (!renderer.isValid()) return {};
    const QSize size = renderer.defaultSize();
    if (size.isEmpty()) return {};
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The bounds are given in logical pixels: without them the renderer fills the image's
    // device size, which the painter's device scale would then enlarge a second time.
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

int registerIcons(int scale) {
    int missing = 0;
    for (int id : iconIds()) {
        const QImage image = renderIcon(id, scale);
        if (image.isNull()) {
            ++missing;
            continue;
        }
        gfx::registerIcon(id, image);
        if (id < 300) gfx::registerIcon(id + 100, greyedTwin(image));
    }
    return missing;
}

}  // namespace toolbar
