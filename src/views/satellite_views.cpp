// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/satellite_views.h"

#include "catalog/ring_model.h"
#include "views/jupiter.h"
#include "views/saturn3d.h"
#include "views/saturn_moons.h"

namespace views {

bool paintSatelliteView(gfx::Canvas& c, int view, const SatelliteScene& s, systeme& sys, ViewCamera& camera,
                        double saturnZoom, bool initialiseSaturn) {
    switch (view) {
    case 31:
        drawJupiterView(c, s, sys);
        return true;
    case 32:
        drawSaturnMoonsView(c, s, sys, initialiseSaturn);
        return true;
    case 33: {
        computeSaturnTilt(sys, s.start, camera);
        camera.saturnTurn = 1.5707963267948966;
        updateCamera(camera, 33);
        // A missing or malformed ring file leaves the globe and the satellites.
        drawSaturn3D(c, s, sys, camera, saturnZoom, false, loadRingModel());
        return true;
    }
    default:
        return false;
    }
}

} // namespace views
