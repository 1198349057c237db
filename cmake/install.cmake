# Installation: the game as a desktop application.
#
#   bin/vezuvire                  launcher: per-user folder, then the game
#   bin/vezuvire-cli              the command-line tool
#   lib/vezuvire/vezuvire         the game itself (run from any folder that
#                                 should hold its settings and sounds)
#   share/vezuvire/*.wav          the four sounds
#   share/applications/<id>.desktop, share/metainfo/<id>.metainfo.xml
#   share/icons/hicolor/NxN/apps/<id>.png   (16 … 256)
#   share/man/man6/vezuvire.6.gz, vezuvire-cli.6.gz
#   share/doc/vezuvire/copyright, changelog.gz
#   share/lintian/overrides/vezuvire
include(GNUInstallDirs)

# Reverse-domain name of the application (the home page is
# vezuvire.example.org): names the desktop entry, the metainfo and the icon.
set(VZ_APP_ID "org.example.vezuvire.Vezuvire")
set(VZ_INSTALL_GAMEDIR "lib/vezuvire" CACHE STRING "Folder under the prefix for the game behind its launcher")
set(VZ_INSTALL_SOUNDDIR "${CMAKE_INSTALL_DATADIR}/vezuvire")
set(VZ_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
file(MAKE_DIRECTORY ${VZ_DIST_DIR})

find_program(VZ_GZIP gzip REQUIRED)
# gzip -9n: best compression, no name or time stamp, so the output depends on
# the input alone.
function(vz_gzip out in)
  add_custom_command(OUTPUT ${out}
    COMMAND ${VZ_GZIP} -9nc ${in} > ${out}
    DEPENDS ${in}
    COMMENT "Compressing ${out}"
    VERBATIM)
endfunction()

# The release date in the form the Debian changelog wants.
execute_process(COMMAND date -u -R -d "${VZ_RELEASE_DATE} 00:00:00 UTC"
  OUTPUT_VARIABLE VZ_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
  RESULT_VARIABLE vz_date_rc)
if(NOT vz_date_rc EQUAL 0)
  message(FATAL_ERROR "cannot turn the release date ${VZ_RELEASE_DATE} into an RFC 2822 date")
endif()

set(VZ_INSTALL_OUTPUTS)

# ---- the game behind its launcher ---------------------------------------------
if(TARGET vezuvire)
  target_compile_definitions(vezuvire PRIVATE VZ_APP_ID="${VZ_APP_ID}")
  install(TARGETS vezuvire RUNTIME DESTINATION ${VZ_INSTALL_GAMEDIR})

  # The launcher finds the game and the sounds relative to its own place, so
  # the installed tree works under any prefix and when staged with DESTDIR.
  file(RELATIVE_PATH VZ_REL_GAME /p/${CMAKE_INSTALL_BINDIR} /p/${VZ_INSTALL_GAMEDIR}/vezuvire)
  file(RELATIVE_PATH VZ_REL_SOUNDS /p/${CMAKE_INSTALL_BINDIR} /p/${VZ_INSTALL_SOUNDDIR})
  configure_file(${CMAKE_SOURCE_DIR}/dist/vezuvire.sh.in ${VZ_DIST_DIR}/vezuvire @ONLY)
  install(PROGRAMS ${VZ_DIST_DIR}/vezuvire DESTINATION ${CMAKE_INSTALL_BINDIR})

  # Icon, drawn by the window's own picture code.
  add_executable(vz_icongen tools/icongen.cpp)
  target_link_libraries(vz_icongen PRIVATE vz_qt)
  set_target_properties(vz_icongen PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
  set(VZ_ICON_SIZES 16 22 24 32 48 64 128 256)
  set(VZ_ICONS)
  foreach(n IN LISTS VZ_ICON_SIZES)
    list(APPEND VZ_ICONS ${VZ_DIST_DIR}/icons/${n}x${n}/apps/${VZ_APP_ID}.png)
    install(FILES ${VZ_DIST_DIR}/icons/${n}x${n}/apps/${VZ_APP_ID}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${n}x${n}/apps)
  endforeach()
  # (drawn afresh into an empty folder, so that no icon of an earlier run
  # stands in for one the tool failed to draw)
  add_custom_command(OUTPUT ${VZ_ICONS}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${VZ_DIST_DIR}/icons
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:vz_icongen> ${VZ_DIST_DIR}/icons ${VZ_APP_ID} ${VZ_ICON_SIZES}
    DEPENDS vz_icongen
    COMMENT "Drawing the game's icon"
    VERBATIM)
  list(APPEND VZ_INSTALL_OUTPUTS ${VZ_ICONS})

  configure_file(${CMAKE_SOURCE_DIR}/dist/vezuvire.desktop.in ${VZ_DIST_DIR}/${VZ_APP_ID}.desktop @ONLY)
  configure_file(${CMAKE_SOURCE_DIR}/dist/vezuvire.metainfo.xml.in ${VZ_DIST_DIR}/${VZ_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${VZ_DIST_DIR}/${VZ_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${VZ_DIST_DIR}/${VZ_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  configure_file(${CMAKE_SOURCE_DIR}/dist/vezuvire.6.in ${VZ_DIST_DIR}/vezuvire.6 @ONLY)
  vz_gzip(${VZ_DIST_DIR}/vezuvire.6.gz ${VZ_DIST_DIR}/vezuvire.6)
  install(FILES ${VZ_DIST_DIR}/vezuvire.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  list(APPEND VZ_INSTALL_OUTPUTS ${VZ_DIST_DIR}/vezuvire.6.gz)
endif()

# ---- the command-line tool ------------------------------------------------------
if(TARGET vezuvire-cli)
  install(TARGETS vezuvire-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  configure_file(${CMAKE_SOURCE_DIR}/dist/vezuvire-cli.6.in ${VZ_DIST_DIR}/vezuvire-cli.6 @ONLY)
  vz_gzip(${VZ_DIST_DIR}/vezuvire-cli.6.gz ${VZ_DIST_DIR}/vezuvire-cli.6)
  install(FILES ${VZ_DIST_DIR}/vezuvire-cli.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  list(APPEND VZ_INSTALL_OUTPUTS ${VZ_DIST_DIR}/vezuvire-cli.6.gz)
endif()

# ---- sounds and documents ------------------------------------------------------
install(FILES ${VZ_WAVS} DESTINATION ${VZ_INSTALL_SOUNDDIR})

configure_file(${CMAKE_SOURCE_DIR}/dist/changelog.in ${VZ_DIST_DIR}/changelog @ONLY)
vz_gzip(${VZ_DIST_DIR}/changelog.gz ${VZ_DIST_DIR}/changelog)
install(FILES ${CMAKE_SOURCE_DIR}/dist/copyright ${VZ_DIST_DIR}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/vezuvire)
list(APPEND VZ_INSTALL_OUTPUTS ${VZ_DIST_DIR}/changelog.gz)
# The programs live in bin/ like any other; Debian's checker expects a game
# in /usr/games and is told so.
install(FILES ${CMAKE_SOURCE_DIR}/dist/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME vezuvire)

# Everything the install rules copy that is made at build time.
add_custom_target(vz_install_files ALL DEPENDS ${VZ_INSTALL_OUTPUTS})
