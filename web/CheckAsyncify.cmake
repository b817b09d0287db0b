# Fails when the Asyncify lists of the page's link disagree with the C++:
# the imports must be exactly the bridges (EM_JS functions) that sleep in
# Asyncify.handleSleep, and each of the game's own never-sleeping names must
# still name a function in the sources.
#
# Included by web/CMakeLists.txt, or run alone:
#   cmake -DSLEEPING="a;b" -DNEVER_SLEEPING="x*;*y*" -DSOURCES="f.cpp;g.cpp" -P CheckAsyncify.cmake

cmake_policy(SET CMP0057 NEW)

function(ovali_check_asyncify sleeping never_sleeping sources)
  set(bridges "")
  set(all "")
  foreach(source IN LISTS sources)
    file(READ "${source}" text)
    # Characters that CMake's lists treat specially.
    string(REPLACE ";" "," text "${text}")
    string(REPLACE "[" "<" text "${text}")
    string(REPLACE "]" ">" text "${text}")
    string(REPLACE "\\" "/" text "${text}")
    string(REPLACE "\n" " " text "${text}")
    string(APPEND all " ${text}")
    string(REPLACE "EM_JS(" ";EM_JS(" parts "${text}")
    foreach(part IN LISTS parts)
      if(NOT part MATCHES "^EM_JS\\([^,]+, *([A-Za-z_0-9]+)")
        continue()
      endif()
      set(name "${CMAKE_MATCH_1}")
      # The bridge's body ends at its first "});".
      string(FIND "${part}" "})" end)
      if(end GREATER 0)
        string(SUBSTRING "${part}" 0 ${end} part)
      endif()
      if(part MATCHES "Asyncify\\.handleSleep")
        list(APPEND bridges "${name}")
      endif()
    endforeach()
  endforeach()

  set(problems "")
  foreach(name IN LISTS bridges)
    if(NOT name IN_LIST sleeping)
      string(APPEND problems "\n  ${name} sleeps but is not in the Asyncify imports")
    endif()
  endforeach()
  foreach(name IN LISTS sleeping)
    if(NOT name IN_LIST bridges)
      string(APPEND problems "\n  ${name} is an Asyncify import but no bridge of that name sleeps")
    endif()
  endforeach()
  foreach(pattern IN LISTS never_sleeping)
    # "ovali::Page::sync*" and "*readLevel*" both stand for a function whose
    # name begins with the last word of the pattern.
    string(REGEX REPLACE "^.*::" "" stem "${pattern}")
    string(REPLACE "*" "" stem "${stem}")
    if(NOT all MATCHES "[^A-Za-z_0-9]${stem}[A-Za-z_0-9]*\\(")
      string(APPEND problems "\n  ${pattern} is left out of Asyncify but names no function")
    endif()
  endforeach()
  if(problems)
    message(FATAL_ERROR "The Asyncify lists and the C++ disagree:${problems}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  ovali_check_asyncify("${SLEEPING}" "${NEVER_SLEEPING}" "${SOURCES}")
endif()
