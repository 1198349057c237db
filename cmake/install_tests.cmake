# SPDX-License-Identifier: GPL-3.0-or-later
# Tests of the installed game, the package and a build with the game alone.
# They need the whole build done first (`make test` builds before it tests);
# all carry the label "install", which the package's own build leaves out.
find_program(VZ_BASH bash REQUIRED)

if(TARGET vezuvire AND TARGET vezuvire-cli)
  # Installs into a staging folder (DESTDIR), checks the tree, validates the
  # desktop entry, the metainfo, the file type and the icons, and starts the
  # installed launcher with a fresh home folder, with a record and where it
  # cannot start.
  add_test(NAME install_tree
    COMMAND ${VZ_BASH} ${CMAKE_SOURCE_DIR}/tests/install/install_tree_test.sh
            ${CMAKE_BINARY_DIR} ${CMAKE_INSTALL_PREFIX} ${VZ_APP_ID} ${VZ_INSTALL_BINDIR} ${VZ_INSTALL_GAMEDIR}
            ${VZ_INSTALL_SOUNDDIR} ${PROJECT_VERSION} ${VZ_RELEASE_DATE})
  set_tests_properties(install_tree PROPERTIES TIMEOUT 300 LABELS install)
endif()

# The Debian package, built twice (without its tests, which this build has
# run) from copies of the sources in two folders: the two must be byte for
# byte the same; then lintian, the control fields and the files are checked
# and the command-line tool run from the unpacked package.  Slow: two builds
# of the game, one after the other.
add_test(NAME package_deb
  COMMAND ${VZ_BASH} ${CMAKE_SOURCE_DIR}/tests/install/package_test.sh
          ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/package-check ${PROJECT_VERSION} ${VZ_APP_ID})
set_tests_properties(package_deb PROPERTIES TIMEOUT 3600 LABELS "install;slow" RUN_SERIAL TRUE
  FIXTURES_SETUP vz_package)

# The game alone, configured with the test, benchmark and fuzzing
# dependencies made unfindable, built and installed: the package's build
# without its tests is that build, and this looks at what it left.
add_test(NAME game_only_build
  COMMAND ${VZ_BASH} ${CMAKE_SOURCE_DIR}/tests/install/game_only_build_test.sh
          ${CMAKE_BINARY_DIR}/package-check ${PROJECT_VERSION} ${VZ_APP_ID})
set_tests_properties(game_only_build PROPERTIES LABELS install FIXTURES_REQUIRED vz_package)

# The packaging files agree with CMakeLists.txt: the version and release
# date in debian/changelog, the licence everywhere.
add_test(NAME package_sources
  COMMAND ${VZ_BASH} ${CMAKE_SOURCE_DIR}/tests/install/package_sources_test.sh
          ${CMAKE_SOURCE_DIR} ${PROJECT_VERSION} ${VZ_RELEASE_DATE})
set_tests_properties(package_sources PROPERTIES LABELS install)

# The release tarball of `make dist`: the same bytes every time, exactly the
# tracked files outside debian/.
add_test(NAME dist_tarball
  COMMAND ${VZ_BASH} ${CMAKE_SOURCE_DIR}/tests/install/dist_test.sh
          ${CMAKE_SOURCE_DIR} ${PROJECT_VERSION} ${VZ_RELEASE_DATE})
set_tests_properties(dist_tarball PROPERTIES LABELS install)

# Records known by GLib and xdg-mime, and opened with the game, from a
# private MIME database and application folder made of this build's files.
if(TARGET vezuvire-cli)
  add_test(NAME record_mime_type
    COMMAND ${VZ_BASH} ${CMAKE_SOURCE_DIR}/tests/install/mime_test.sh
            ${CMAKE_BINARY_DIR} ${VZ_APP_ID} $<TARGET_FILE:vezuvire-cli>)
  set_tests_properties(record_mime_type PROPERTIES LABELS install SKIP_RETURN_CODE 77)
endif()
