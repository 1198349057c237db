# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file includes a header of a higher layer.
#   cmake -DSOURCE_DIR=<project root> -P check_layers.cmake
#
# Each layer is one folder and one library, lowest first:
#   0 core/        vz_core    state, pieces, rules, log, clock arithmetic
#   1 engine/      vz_engine  the computer player and its evaluation
#   2 view/        vz_view    the whole state, the platform (view/platform.h), drawing
#   3 store/       vz_store   record files, autosave, settings, preferences
#   4 play/        vz_play    the controller: input, commands, the computer's turn
#   4 learn/       vz_learn   lessons and puzzles, beside play/ (neither includes the other)
#   5 front/qt/    the window;  front/cli/  the command-line tool
# The rules and the computer work on the board (盤面状態, core/state.h) and
# the game as a value (対局); the whole state with the course of the game,
# the controller's, the clocks' and the screen's parts (状態, view/state.h)
# is the game layer's.  A file of core/ or engine/ that names it, even through
# a declaration of its own, fails the check like an upward include.
# sound/ (vz_dsound) is the sound library: it includes nothing of the game,
# and only a front end includes it.  The two front ends stand side by side:
# neither includes the other.

# Sets out to the layer of a path and outname to its folder ("" outside the layers).
function(layer_of path out outname)
  set(layer "")
  set(name "")
  if(path MATCHES "^(core|engine|view|store|play|learn|sound)/")
    set(name ${CMAKE_MATCH_1})
    set(layer_core 0)
    set(layer_engine 1)
    set(layer_view 2)
    set(layer_store 3)
    set(layer_play 4)
    set(layer_learn 4)
    set(layer_sound -1)
    set(layer ${layer_${name}})
  elseif(path MATCHES "^(front/[^/]+)/")
    set(name ${CMAKE_MATCH_1})
    set(layer 5)
  endif()
  set(${out} "${layer}" PARENT_SCOPE)
  set(${outname} "${name}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR}
  ${SOURCE_DIR}/core/* ${SOURCE_DIR}/engine/* ${SOURCE_DIR}/view/* ${SOURCE_DIR}/store/* ${SOURCE_DIR}/play/* ${SOURCE_DIR}/learn/* ${SOURCE_DIR}/front/* ${SOURCE_DIR}/sound/*)
set(bad "")
set(count 0)
foreach(f IN LISTS files)
  if(NOT f MATCHES "\\.(h|cpp)$")
    continue()
  endif()
  layer_of(${f} from from_name)
  if(from EQUAL 0 OR from EQUAL 1)
    file(READ ${SOURCE_DIR}/${f} text)
    string(REPLACE "盤面状態" "" text "${text}")
    foreach(name "状態&" "状態 &" "状態*" "状態>" "struct 状態" "操作状態" "時計状態" "表示状態")
      string(FIND "${text}" "${name}" at)
      if(NOT at EQUAL -1)
        list(APPEND bad "${f} names the game layer's state (${name})")
        break()
      endif()
    endforeach()
  endif()
  file(STRINGS ${SOURCE_DIR}/${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]+\"")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)\".*" "\\1" inc "${line}")
    math(EXPR count "${count} + 1")
    layer_of(${inc} to to_name)
    if(to STREQUAL "" OR to_name STREQUAL from_name)
      continue()
    endif()
    if(from EQUAL -1)
      # The sound library stands alone.
      list(APPEND bad "${f} -> ${inc}")
    elseif(to EQUAL -1)
      if(from LESS 5)
        list(APPEND bad "${f} -> ${inc}")
      endif()
    elseif(NOT to LESS from)
      # Upwards, or sideways from one front end into the other.
      list(APPEND bad "${f} -> ${inc}")
    endif()
  endforeach()
endforeach()

if(count EQUAL 0)
  message(FATAL_ERROR "no includes found under ${SOURCE_DIR}: wrong folder?")
endif()
if(bad)
  list(JOIN bad "\n  " text)
  message(FATAL_ERROR "includes or names that point up a layer:\n  ${text}")
endif()
message(STATUS "${count} includes, all pointing down")
