// SPDX-License-Identifier: GPL-3.0-or-later
// Nalvo: the desktop planetarium.
#include "app/application.h"

int main(int argc, char** argv) { return runNalvo(argc, argv); }
