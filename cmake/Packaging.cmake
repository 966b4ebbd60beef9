# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package (cpack -G DEB, or scripts/package): everything the install rules put under
# /usr, Depends worked out by dpkg-shlibdeps from the programs' shared libraries, and the files
# Debian asks for (copyright, compressed changelog and manual pages).
set(NALVO_PACKAGE_MAINTAINER "Nalvo developers <nalvo-devel@example.org>" CACHE STRING
    "Maintainer field of the Debian package")

set(CPACK_PACKAGE_NAME nalvo)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${NALVO_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop planetarium for one observer")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Nalvo computes where the Sun, the Moon, the planets, the large moons of\n"
    "Jupiter and Saturn and chosen asteroids stand for a date and a place on\n"
    "Earth, and shows them with the stars, the constellations and the Messier\n"
    "and NGC objects: sky maps in five projections, a heliocentric 3D view of\n"
    "the solar system, conjunction graphs and views of Jupiter and Saturn.\n"
    "\n"
    "It animates time, identifies and searches objects, and writes position,\n"
    "ephemeris and night-forecast reports. nalvo-cli draws the views and\n"
    "writes the reports without a window.")
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_SOURCE_DIR}/COPYING")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries; the fonts and the Qt platform plugin are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Packaging steps on the staged tree: gzip -9n of the manual pages and the changelog, and
# lintian's overrides.
configure_file("${CMAKE_SOURCE_DIR}/dist/debian/changelog.in" "${CMAKE_BINARY_DIR}/package/changelog" @ONLY)
set(NALVO_PACKAGE_CHANGELOG "${CMAKE_BINARY_DIR}/package/changelog")
set(NALVO_LINTIAN_OVERRIDES "${CMAKE_SOURCE_DIR}/dist/debian/lintian-overrides")
configure_file("${CMAKE_SOURCE_DIR}/dist/debian/stage.cmake.in" "${CMAKE_BINARY_DIR}/package/stage.cmake" @ONLY)
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_BINARY_DIR}/package/stage.cmake")

include(CPack)
