#include "gfx/icons.h"

#include <QString>
#include <map>

namespace gfx {

namespace {
struct Registry {
    std::map<int, QImage> images;
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
    static Registry r{{}, "icons"};
    return r;
}
Registry& pictures() {
    static Registry r{{}, "pictures"};
    return r;
}
} // namespace

void registerIcon(int id, const QImage& image) { icons().images[id] = image; }
const QImage* icon(int id) { return icons().find(id); }
void registerPicture(int id, const QImage& image) { pictures().images[id] = image; }
const QImage* picture(int id) { return pictures().find(id); }

} // namespace gfx
