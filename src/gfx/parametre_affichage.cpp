// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/parametre_affichage.h"

#include "gfx/canvas.h"

void ParametreAffichage::attach(gfx::Canvas& canvas) const { canvas.setPalette(&palette); }
