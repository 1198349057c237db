# Fails when a source file includes a header of a higher layer.
#   cmake -DSOURCE_DIR=<project root> -P check_layers.cmake
#
# Layers, lowest first:
#   0 core/                       state, pieces, rules, log, clock arithmetic
#   1 com/ eval/                  the computer player
#   2 control/ records/ ui/*      the game, speaking only to the platform
#   3 ui/qt/ app/                 front ends
# ui/sound_lib/ is the sound library: it includes nothing of the game.

function(layer_of path out)
  if(path MATCHES "^core/")
    set(${out} 0 PARENT_SCOPE)
  elseif(path MATCHES "^(com|eval)/")
    set(${out} 1 PARENT_SCOPE)
  elseif(path MATCHES "^ui/sound_lib/")
    set(${out} -1 PARENT_SCOPE)
  elseif(path MATCHES "^(ui/qt|app)/")
    set(${out} 3 PARENT_SCOPE)
  elseif(path MATCHES "^(control|records|ui)/")
    set(${out} 2 PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR}
  ${SOURCE_DIR}/core/* ${SOURCE_DIR}/com/* ${SOURCE_DIR}/eval/* ${SOURCE_DIR}/control/*
  ${SOURCE_DIR}/records/* ${SOURCE_DIR}/ui/* ${SOURCE_DIR}/app/*)
set(bad "")
set(count 0)
foreach(f IN LISTS files)
  if(NOT f MATCHES "\\.(h|cpp)$")
    continue()
  endif()
  layer_of(${f} from)
  file(STRINGS ${SOURCE_DIR}/${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]+\"")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)\".*" "\\1" inc "${line}")
    math(EXPR count "${count} + 1")
    layer_of(${inc} to)
    if(to STREQUAL "")
      continue()
    endif()
    if(from EQUAL -1)
      # The sound library stands alone.
      if(NOT inc MATCHES "^ui/sound_lib/")
        list(APPEND bad "${f} -> ${inc}")
      endif()
    elseif(to EQUAL -1)
      if(from LESS 3)
        list(APPEND bad "${f} -> ${inc}")
      endif()
    elseif(to GREATER from)
      list(APPEND bad "${f} -> ${inc}")
    endif()
  endforeach()
endforeach()

if(count EQUAL 0)
  message(FATAL_ERROR "no includes found under ${SOURCE_DIR}: wrong folder?")
endif()
if(bad)
  list(JOIN bad "\n  " text)
  message(FATAL_ERROR "includes that point up a layer:\n  ${text}")
endif()
message(STATUS "${count} includes, all pointing down")
