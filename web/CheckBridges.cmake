# Fails when the page's bridges disagree with themselves or with the link:
# - each function declared in the header (web/bridges.h) has exactly one body
#   in the JavaScript library (web/js/bridges.lib.js), with the same
#   parameters by name and order, and the library has no body the header
#   does not declare;
# - no source declares a bridge of its own (EM_JS);
# - the Asyncify imports are exactly the bridges that sleep in
#   Asyncify.handleSleep, and each of the game's own never-sleeping names
#   still names a function in the sources.
#
# Included by web/CMakeLists.txt, or run alone:
#   cmake -DHEADER=bridges.h -DLIBRARY=bridges.lib.js -DSLEEPING="a;b"
#     -DNEVER_SLEEPING="x*;*y*" -DSOURCES="f.cpp;g.cpp" -P CheckBridges.cmake

cmake_policy(SET CMP0057 NEW)

# Text made safe for CMake's lists, on one line.
function(ovali_bridges_flat var file)
  file(READ "${file}" text)
  string(REPLACE ";" "," text "${text}")
  string(REPLACE "[" "<" text "${text}")
  string(REPLACE "]" ">" text "${text}")
  string(REPLACE "\\" "/" text "${text}")
  set(${var} "${text}" PARENT_SCOPE)
endfunction()

# "const char* id, int size" as "id,size"; "void" and "" as "".
function(ovali_bridges_names var parameters)
  string(STRIP "${parameters}" parameters)
  if(parameters STREQUAL "void")
    set(parameters "")
  endif()
  string(REPLACE "," ";" parameters "${parameters}")
  set(names "")
  foreach(parameter IN LISTS parameters)
    string(REGEX MATCH "[A-Za-z_0-9]+[ \t\n]*$" name "${parameter}")
    string(STRIP "${name}" name)
    list(APPEND names "${name}")
  endforeach()
  list(JOIN names "," names)
  set(${var} "${names}" PARENT_SCOPE)
endfunction()

# For each name in the list `listed` that is not in the list `within`, one
# line of `message`, with the name for NAME, added to the caller's problems.
macro(ovali_bridges_missing listed within message)
  foreach(name IN LISTS ${listed})
    if(NOT name IN_LIST ${within})
      string(REPLACE "NAME" "${name}" line "${message}")
      string(APPEND problems "\n  ${line}")
    endif()
  endforeach()
endmacro()

function(ovali_check_bridges header library sleeping never_sleeping sources)
  set(problems "")

  # The header's prototypes, comments and preprocessor lines left out.
  ovali_bridges_flat(text "${header}")
  string(REGEX REPLACE "//[^\n]*" "" text "\n${text}")
  string(REGEX REPLACE "\n#[^\n]*" "" text "${text}")
  string(REGEX MATCHALL "[A-Za-z_0-9]+[ \t\n]*\\([^()]*\\)[ \t\n]*," prototypes "${text}")
  set(declared "")
  foreach(prototype IN LISTS prototypes)
    string(REGEX MATCH "^([A-Za-z_0-9]+)[ \t\n]*\\(([^()]*)\\)" _ "${prototype}")
    set(name "${CMAKE_MATCH_1}")
    ovali_bridges_names(names "${CMAKE_MATCH_2}")
    if(name IN_LIST declared)
      string(APPEND problems "\n  ${name} is declared twice")
    endif()
    list(APPEND declared "${name}")
    set(declared_${name} "${names}")
  endforeach()

  # The library's entries, one a part: "name: function(a, b) {...}" and the
  # emscripten keys beside them ("name__deps: [...]").
  ovali_bridges_flat(text "${library}")
  string(REGEX REPLACE "\n  ([A-Za-z_0-9$]+):" ";\\1:" parts "${text}")
  list(POP_FRONT parts)
  set(bodies "")
  set(keys "")
  set(bridges "")
  foreach(part IN LISTS parts)
    if(part MATCHES "^([A-Za-z_0-9]+)__[a-z]+:")
      list(APPEND keys "${CMAKE_MATCH_1}")
      continue()
    endif()
    if(NOT part MATCHES "^([A-Za-z_0-9]+): *function *\\(([^()]*)\\)")
      string(REGEX MATCH "^[^:]*" name "${part}")
      string(APPEND problems "\n  ${name} in the library is not a function")
      continue()
    endif()
    set(name "${CMAKE_MATCH_1}")
    ovali_bridges_names(names "${CMAKE_MATCH_2}")
    if(name IN_LIST bodies)
      string(APPEND problems "\n  ${name} has two bodies in the library")
    endif()
    list(APPEND bodies "${name}")
    if(NOT name IN_LIST declared)
      string(APPEND problems "\n  ${name} has a body in the library but no prototype")
    elseif(NOT names STREQUAL declared_${name})
      string(APPEND problems
        "\n  ${name} takes (${declared_${name}}) in the header but (${names}) in the library")
    endif()
    if(part MATCHES "Asyncify\\.handleSleep")
      list(APPEND bridges "${name}")
    endif()
  endforeach()
  ovali_bridges_missing(declared bodies "NAME is declared but has no body in the library")
  ovali_bridges_missing(keys bodies "NAME's keys in the library belong to no body")

  set(all "")
  foreach(source IN LISTS sources)
    ovali_bridges_flat(text "${source}")
    string(APPEND all " ${text}")
    if(text MATCHES "EM_(ASYNC_)?JS\\( *[^,]+, *([A-Za-z_0-9]+)")
      string(APPEND problems "\n  ${CMAKE_MATCH_2} in ${source} is a bridge outside ${header}")
    endif()
  endforeach()

  ovali_bridges_missing(bridges sleeping "NAME sleeps but is not in the Asyncify imports")
  ovali_bridges_missing(sleeping bridges
                        "NAME is an Asyncify import but no bridge of that name sleeps")
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
    message(FATAL_ERROR "The page's bridges disagree:${problems}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  ovali_check_bridges("${HEADER}" "${LIBRARY}" "${SLEEPING}" "${NEVER_SLEEPING}" "${SOURCES}")
endif()
