# Tests of the installed game, the package and a build with the game alone.
# They need the whole build done first (`make test` builds before it tests).
find_program(VZ_BASH bash REQUIRED)

if(TARGET vezuvire AND TARGET vezuvire-cli)
  # Installs into a staging folder (DESTDIR), checks the tree, validates the
  # desktop entry and the metainfo, and starts the installed launcher with a
  # fresh home folder.
  add_test(NAME install_tree
    COMMAND ${VZ_BASH} ${CMAKE_SOURCE_DIR}/tests/install/install_tree_test.sh
            ${CMAKE_BINARY_DIR} ${CMAKE_INSTALL_PREFIX} ${VZ_APP_ID} ${VZ_INSTALL_GAMEDIR})
  set_tests_properties(install_tree PROPERTIES TIMEOUT 300)

  # Builds the .deb and inspects it; installs and removes it for real only as
  # root with CI=true.
  add_test(NAME package_deb
    COMMAND ${VZ_BASH} ${CMAKE_SOURCE_DIR}/tests/install/package_test.sh
            ${CMAKE_BINARY_DIR} ${PROJECT_VERSION} ${VZ_APP_ID})
  set_tests_properties(package_deb PROPERTIES TIMEOUT 600)
endif()

# Configures and builds the game alone in a fresh folder, with the test,
# benchmark and fuzzing dependencies made unfindable.  Slow: a full build.
add_test(NAME game_only_build
  COMMAND ${VZ_BASH} ${CMAKE_SOURCE_DIR}/tests/install/game_only_build_test.sh
          ${CMAKE_SOURCE_DIR} ${VZ_APP_ID})
set_tests_properties(game_only_build PROPERTIES TIMEOUT 3600 LABELS slow RUN_SERIAL TRUE)
