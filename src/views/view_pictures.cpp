// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/view_pictures.h"

#include "gfx/icons.h"

static void initViewPictureResources() {
    Q_INIT_RESOURCE(view_pictures);
}

namespace views {
const QImage* viewPicture(int id) {
    static const bool loaded = (initViewPictureResources(), true);
    (void)loaded;
    return gfx::picture(id);
}
} // namespace views
