# The Debian package: `make package` (cpack -G DEB in the build folder).
# Run-time dependencies come from the binaries themselves (dpkg-shlibdeps:
# Qt 6 Widgets, SDL2_mixer, the C++ run-time) plus what no binary links:
# Qt's window-system plugins and a Japanese font for the pieces and menus.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vezuvire)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vezuvire developers")
set(CPACK_PACKAGE_CONTACT "The Vezuvire developers <support@vezuvire.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shogi variant whose pieces turn as they move")
# (CPack puts the summary above this as the synopsis line)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Vezuvire is shogi (Japanese chess) with a twist: every piece faces one of
four directions, moves as its shogi counterpart turned to that facing, and
turns a quarter turn whenever it lands on an empty square.
.
Play the computer at three strengths or a friend at the same board, with a
handicap ladder, game records, move guidance, five board backgrounds and
music. The game speaks Japanese. The package also holds vezuvire-cli, the
game without a window for scripts.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vezuvire.example.org/")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk | fonts-japanese-mincho")
# Qt's own texts in Japanese; without it the game's message boxes still name
# their buttons themselves.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
