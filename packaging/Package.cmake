# cpack -G DEB (run in the build directory) makes an installable Debian
# package of what `cmake --install` puts under /usr.
set(CPACK_PACKAGE_NAME kordamir)
set(CPACK_PACKAGE_VENDOR "Кордамир")
set(CPACK_PACKAGE_CONTACT "Kordamir developers <kordamir@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word-guessing game with a drum and prize boxes")
set(CPACK_PACKAGE_DESCRIPTION "\
Three trios of players and a final, each seat a person or a computer. \
Spin the drum, name letters, open the prize boxes and say the word. \
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
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme")

include(CPack)
