# SPDX-License-Identifier: GPL-3.0-or-later
# The layer check against small trees with one planted include each: every
# include that breaks the layers must fail it and be named in its message;
# every allowed one must pass.
#   cmake -DCHECK=<check_layers.cmake> -DWORK_DIR=<scratch folder> -P planted.cmake

# file | include it plants | expected
set(cases
  "core/x.h|engine/turn.h|fail"
  "core/x.cpp|view/platform.h|fail"
  "engine/x.cpp|play/commands.h|fail"
  "engine/x.cpp|front/qt/window.h|fail"
  "play/x.cpp|front/qt/window.h|fail"
  "store/x.h|front/cli/players.h|fail"
  "view/x.cpp|sound/dsound.h|fail"
  "view/x.cpp|store/settings.h|fail"
  "view/x.h|play/commands.h|fail"
  "store/x.cpp|play/commands.h|fail"
  "learn/x.cpp|play/commands.h|fail"
  "play/x.cpp|learn/lessons.h|fail"
  "engine/x.cpp|sound/dsound.h|fail"
  "sound/x.cpp|core/state.h|fail"
  "sound/x.cpp|view/platform.h|fail"
  "front/cli/x.cpp|front/qt/window.h|fail"
  "front/qt/x.cpp|front/cli/players.h|fail"
  "core/x.cpp|core/state.h|pass"
  "engine/x.cpp|core/state.h|pass"
  "play/x.cpp|engine/turn.h|pass"
  "store/x.cpp|view/platform.h|pass"
  "play/x.cpp|store/settings.h|pass"
  "learn/x.cpp|store/settings.h|pass"
  "front/qt/x.cpp|sound/dsound.h|pass"
  "front/qt/x.cpp|view/platform.h|pass"
  "front/cli/x.cpp|engine/turn.h|pass"
  "sound/x.cpp|sound/dsound.h|pass"
  "front/qt/x.cpp|front/qt/window.h|pass")

# file | declaration it plants | expected: the game layer's state is not
# the rules' or the computer's to take.
set(named
  "core/x.h|void f(状態& s)|fail"
  "core/x.cpp|struct 状態|fail"
  "engine/x.h|int f(const 操作状態& c)|fail"
  "engine/x.cpp|double f(時計状態* c)|fail"
  "core/x.h|void f(const 局面& k)|pass"
  "engine/x.h|int f(const 盤面状態& s)|pass"
  "view/x.h|void f(状態& s)|pass")

# Runs the check on ${tree} and adds to failures unless it judged the
# planted case as ${expected} says; a failure must name the case (MESSAGE).
macro(judge label message)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${tree} -P ${CHECK}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(expected STREQUAL "fail")
    if(rc EQUAL 0)
      list(APPEND failures "${label}: passed, should fail")
    elseif(NOT err MATCHES "${message}")
      list(APPEND failures "${label}: failed without naming it:\n${err}")
    endif()
  elseif(NOT rc EQUAL 0)
    list(APPEND failures "${label}: failed, should pass:\n${err}")
  endif()
  file(REMOVE_RECURSE ${tree})
endmacro()

set(failures "")
set(n 0)
foreach(c IN LISTS cases)
  string(REPLACE "|" ";" parts "${c}")
  list(GET parts 0 file)
  list(GET parts 1 inc)
  list(GET parts 2 expected)
  math(EXPR n "${n} + 1")
  set(tree ${WORK_DIR}/planted_${n})
  file(REMOVE_RECURSE ${tree})
  # A clean house around the planted file: every arrow points down.
  file(WRITE ${tree}/core/state.h "#pragma once\n#include <cstdint>\n")
  file(WRITE ${tree}/engine/turn.h "#pragma once\n#include \"core/state.h\"\n")
  file(WRITE ${tree}/view/platform.h "#pragma once\n#include \"core/state.h\"\n")
  file(WRITE ${tree}/store/settings.h "#pragma once\n#include \"view/platform.h\"\n")
  file(WRITE ${tree}/learn/lessons.h "#pragma once\n#include \"store/settings.h\"\n")
  file(WRITE ${tree}/play/commands.h "#pragma once\n#include \"engine/turn.h\"\n#include \"store/settings.h\"\n")
  file(WRITE ${tree}/front/qt/window.h "#pragma once\n#include \"view/platform.h\"\n#include \"sound/dsound.h\"\n")
  file(WRITE ${tree}/front/cli/players.h "#pragma once\n#include \"play/commands.h\"\n")
  file(WRITE ${tree}/sound/dsound.h "#pragma once\n#include <string>\n")
  file(WRITE ${tree}/${file} "// planted\n#include <vector>\n  #  include \"${inc}\"  // the planted one\n")
  judge("${file} -> ${inc}" "${file} -> ${inc}")
endforeach()

foreach(c IN LISTS named)
  string(REPLACE "|" ";" parts "${c}")
  list(GET parts 0 file)
  list(GET parts 1 decl)
  list(GET parts 2 expected)
  math(EXPR n "${n} + 1")
  set(tree ${WORK_DIR}/planted_${n})
  file(REMOVE_RECURSE ${tree})
  file(WRITE ${tree}/core/state.h "#pragma once\n#include <cstdint>\n")
  file(WRITE ${tree}/${file} "// planted\n#include \"core/state.h\"\n${decl};\n")
  judge("${file}: ${decl}" "${file} names the game layer's state")
endforeach()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "the layer check is wrong on planted includes:\n  ${text}")
endif()
message(STATUS "${n} planted includes and names judged right")
