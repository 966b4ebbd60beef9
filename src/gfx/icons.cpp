// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/icons.h"

#include <QString>
#include <cmath>
#include <map>
#include <utility>

namespace gfx {

namespace {
struct Registry {
    std::map<int, QImage> images;
    std::map<std::pair<int, int>, QImage> variants; // (id, device scale)
    const char* resourceFolder;

    const QImage* find(int id) {
        auto it = images.find(id);
        if (it != images.end()) return &it->second;
        QImage fromResource(QStringLiteral(":/%1/%2.png").arg(QLatin1String(resourceFolder)).arg(id));
        if (fromResource.isNull()) return nullptr;
        return &images.emplace(id, std::move(fromResource)).first->second;
    }
};

Registry& icons() {
    static Registry r{{}, {}, "icons"};
    return r;
}
Registry& pictures() {
    static Registry r{{}, {}, "pictures"};
    return r;
}
} // namespace

void registerIcon(int id, const QImage& image) {
    Registry& r = icons();
    const int scale = int(std::lround(image.devicePixelRatio()));
    if (scale > 1) {
        r.variants[{id, scale}] = image;
        return;
    }
    r.images[id] = image;
}

const QImage* icon(int id, int scale) {
    Registry& r = icons();
    if (scale > 1) {
        auto it = r.variants.find({id, scale});
        if (it != r.variants.end()) return &it->second;
    }
    return r.find(id);
}
void registerPicture(int id, const QImage& image) { pictures().images[id] = image; }
const QImage* picture(int id) { return pictures().find(id); }

} // namespace gfx
