# SPDX-License-Identifier: GPL-3.0-or-later
# Installation: the game as a desktop application.  Folders under the prefix
# (the Debian package moves the first three: games, libexec/vezuvire,
# share/games/vezuvire):
#
#   <bin>/vezuvire                launcher: per-user folder, then the game
#   <bin>/vezuvire-cli            the command-line tool
#   <game>/vezuvire               the game itself (run from any folder that
#                                 should hold its settings and sounds)
#   <sounds>/*.wav                the four sounds
#   share/applications/<id>.desktop, share/metainfo/<id>.metainfo.xml
#   share/mime/packages/<id>.xml  the file type of game records (.棋譜)
#   share/icons/hicolor/NxN/apps/<id>.png (16 … 256), scalable/apps/<id>.svg
#   share/man/man6/vezuvire.6.gz, vezuvire-cli.6.gz
include(GNUInstallDirs)

# Reverse-domain name of the application (the home page is
# vezuvire.github.io): names the desktop entry, the metainfo, the file type
# description and the icon.
set(VZ_APP_ID "io.github.vezuvire.Vezuvire")
# The window's class on X11 (Qt takes it from the application name): the
# desktop entry's StartupWMClass, so that docks link the window to its entry.
set(VZ_WM_CLASS "Vezuvire")
set(VZ_MIME_TYPE "application/x-vezuvire-record")
set(VZ_HOMEPAGE "https://vezuvire.github.io/")
set(VZ_BUGS "https://github.com/vezuvire/vezuvire/issues")
set(VZ_SOURCE "https://github.com/vezuvire/vezuvire")

set(VZ_INSTALL_BINDIR "${CMAKE_INSTALL_BINDIR}" CACHE STRING "Folder under the prefix for the launcher and vezuvire-cli")
set(VZ_INSTALL_GAMEDIR "${CMAKE_INSTALL_LIBEXECDIR}/vezuvire" CACHE STRING "Folder under the prefix for the game behind its launcher")
set(VZ_INSTALL_SOUNDDIR "${CMAKE_INSTALL_DATADIR}/vezuvire" CACHE STRING "Folder under the prefix for the sounds")
# The folders as the manual page names them: absolute under the prefix.
foreach(v BINDIR GAMEDIR SOUNDDIR)
  if(IS_ABSOLUTE "${VZ_INSTALL_${v}}")
    set(VZ_FULL_${v} "${VZ_INSTALL_${v}}")
  else()
    set(VZ_FULL_${v} "${CMAKE_INSTALL_PREFIX}/${VZ_INSTALL_${v}}")
  endif()
endforeach()
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

set(VZ_INSTALL_OUTPUTS)

# ---- the game behind its launcher ---------------------------------------------
if(TARGET vezuvire)
  target_compile_definitions(vezuvire PRIVATE VZ_APP_ID="${VZ_APP_ID}" VZ_WM_CLASS="${VZ_WM_CLASS}")
  install(TARGETS vezuvire RUNTIME DESTINATION ${VZ_INSTALL_GAMEDIR})

  # The launcher finds the game and the sounds relative to its own place, so
  # the installed tree works under any prefix and when staged with DESTDIR.
  file(RELATIVE_PATH VZ_REL_GAME /p/${VZ_INSTALL_BINDIR} /p/${VZ_INSTALL_GAMEDIR}/vezuvire)
  file(RELATIVE_PATH VZ_REL_SOUNDS /p/${VZ_INSTALL_BINDIR} /p/${VZ_INSTALL_SOUNDDIR})
  configure_file(${CMAKE_SOURCE_DIR}/dist/vezuvire.sh.in ${VZ_DIST_DIR}/vezuvire @ONLY)
  install(PROGRAMS ${VZ_DIST_DIR}/vezuvire DESTINATION ${VZ_INSTALL_BINDIR})

  # Icon, drawn by the window's own picture code: PNG files at every size and
  # the same shapes as SVG text.
  add_executable(vz_icongen tools/icongen.cpp)
  target_link_libraries(vz_icongen PRIVATE vz_qt)
  set_target_properties(vz_icongen PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
  set(VZ_ICON_SIZES 16 22 24 32 48 64 128 256)
  set(VZ_ICONS ${VZ_DIST_DIR}/icons/scalable/apps/${VZ_APP_ID}.svg)
  install(FILES ${VZ_DIST_DIR}/icons/scalable/apps/${VZ_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
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
            $<TARGET_FILE:vz_icongen> ${VZ_DIST_DIR}/icons ${VZ_APP_ID} ${VZ_ICON_SIZES} scalable
    DEPENDS vz_icongen
    COMMENT "Drawing the game's icon"
    VERBATIM)
  list(APPEND VZ_INSTALL_OUTPUTS ${VZ_ICONS})

  configure_file(${CMAKE_SOURCE_DIR}/dist/vezuvire.desktop.in ${VZ_DIST_DIR}/${VZ_APP_ID}.desktop @ONLY)
  configure_file(${CMAKE_SOURCE_DIR}/dist/vezuvire.metainfo.xml.in ${VZ_DIST_DIR}/${VZ_APP_ID}.metainfo.xml @ONLY)
  configure_file(${CMAKE_SOURCE_DIR}/dist/vezuvire.mime.xml.in ${VZ_DIST_DIR}/${VZ_APP_ID}.xml @ONLY)
  install(FILES ${VZ_DIST_DIR}/${VZ_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${VZ_DIST_DIR}/${VZ_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${VZ_DIST_DIR}/${VZ_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

  configure_file(${CMAKE_SOURCE_DIR}/dist/vezuvire.6.in ${VZ_DIST_DIR}/vezuvire.6 @ONLY)
  vz_gzip(${VZ_DIST_DIR}/vezuvire.6.gz ${VZ_DIST_DIR}/vezuvire.6)
  install(FILES ${VZ_DIST_DIR}/vezuvire.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  list(APPEND VZ_INSTALL_OUTPUTS ${VZ_DIST_DIR}/vezuvire.6.gz)
endif()

# ---- the command-line tool ------------------------------------------------------
if(TARGET vezuvire-cli)
  install(TARGETS vezuvire-cli RUNTIME DESTINATION ${VZ_INSTALL_BINDIR})
  configure_file(${CMAKE_SOURCE_DIR}/dist/vezuvire-cli.6.in ${VZ_DIST_DIR}/vezuvire-cli.6 @ONLY)
  vz_gzip(${VZ_DIST_DIR}/vezuvire-cli.6.gz ${VZ_DIST_DIR}/vezuvire-cli.6)
  install(FILES ${VZ_DIST_DIR}/vezuvire-cli.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  list(APPEND VZ_INSTALL_OUTPUTS ${VZ_DIST_DIR}/vezuvire-cli.6.gz)
endif()

# ---- sounds ---------------------------------------------------------------------
install(FILES ${VZ_WAVS} DESTINATION ${VZ_INSTALL_SOUNDDIR})

# Everything the install rules copy that is made at build time.
add_custom_target(vz_install_files ALL DEPENDS ${VZ_INSTALL_OUTPUTS})
