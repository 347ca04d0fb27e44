# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# cpack -G DEB (run in the build directory) makes one installable Debian
# package of what `cmake --install` puts under /usr, for a quick try on a
# machine; distributions build the two packages of debian/ instead.
set(CPACK_PACKAGE_NAME kordamir)
set(CPACK_PACKAGE_VENDOR "Кордамир")
set(CPACK_PACKAGE_CONTACT "${KORDAMIR_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${KORDAMIR_HOMEPAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${KORDAMIR_SUMMARY}")
# Debian wraps nothing: each line of the long description stays under 80.
set(CPACK_PACKAGE_DESCRIPTION "\
Three trios of players and a final, each seat a person or a computer.
Spin the drum, name letters, open the prize boxes and say the word.
The interface is in Russian.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY kordamir)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries come from the binary; the fonts the texts are set in cannot.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-urw-base35, fonts-liberation2, fonts-sil-andika, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, qt6-wayland")

include(CPack)
