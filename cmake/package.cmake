# A Debian package of everything `cmake --install` puts in place: `cpack` in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bricks)
set(CPACK_PACKAGE_VENDOR Vondrel)
set(CPACK_PACKAGE_CONTACT "Vondrel <vondrel@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tile-removal puzzle: clear the board of groups of same-coloured bricks")
# Lines within 80 columns, as Debian's tools show them.
set(CPACK_PACKAGE_DESCRIPTION "A puzzle for one player on a board of ten by fourteen bricks in five colours.
Click a group of two or more touching bricks of one colour to remove it; the
bricks above fall into the gaps and empty columns close up. Best times are
kept per number of bricks left.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/vondrel/bricks)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The library packages the program links against, as dpkg-shlibdeps finds them, and the exact private interface
# of the Qt it was built with, which turns down a maximise on Wayland and changes with every release of Qt. Qt's
# libraries provide it as a virtual package: qt6-base-abi (libqt6gui6) on Debian 12, qt6-base-private-abi
# (libqt6core6t64) on 13.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
execute_process(COMMAND dpkg-query -W "-f=\${Provides}\n" libqt6core6t64 libqt6core6 libqt6gui6t64 libqt6gui6
    OUTPUT_VARIABLE qt_provides ERROR_QUIET)
string(REGEX MATCH "qt6-base(-private)?-abi \\(= ${Qt6Core_VERSION}\\)" CPACK_DEBIAN_PACKAGE_DEPENDS "${qt_provides}")
# Qt's own translations of the standard buttons; without them the buttons stay in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
