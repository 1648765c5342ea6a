# Checks that the folders of the model library form layers without loops.
#
#   cmake -DROOT=src/common -P tools/check_layers.cmake
#
# Every source file lies in one of the folders below and includes headers of
# the model library by folder ("geometry/polygon.h"), from its own folder or
# from one its folder may use. Other includes are the standard library's:
# no Qt, nothing else. No file passes MAX_LINES lines. Every finding is
# printed, then the check fails.

cmake_minimum_required(VERSION 3.25)

set(LAYERS geometry format drawing history placement editing unfolding document)

# What each folder may use besides itself.
set(USES_geometry "")
set(USES_format geometry)
set(USES_drawing geometry format)
set(USES_history geometry)
set(USES_placement geometry)
set(USES_editing geometry format history)
set(USES_unfolding geometry)
set(USES_document geometry format drawing history placement editing unfolding)

if(NOT DEFINED MAX_LINES)
  set(MAX_LINES 600)
endif()
string(JOIN ", " layer_names ${LAYERS})

if(NOT ROOT OR NOT IS_DIRECTORY "${ROOT}")
  message(FATAL_ERROR "check_layers: ROOT must name the model library's folder")
endif()

get_filename_component(ROOT "${ROOT}" ABSOLUTE)
set(findings "")

function(check_include file folder target)
  if(target MATCHES "^([^/]+)/[^/]+$")
    set(used "${CMAKE_MATCH_1}")
  else()
    set(findings "${findings}${file}: \"${target}\" does not name its folder\n" PARENT_SCOPE)
    return()
  endif()
  if(NOT EXISTS "${ROOT}/${target}")
    set(findings "${findings}${file}: \"${target}\" is not a header of the model library\n"
        PARENT_SCOPE)
    return()
  endif()
  if(NOT used STREQUAL folder AND NOT used IN_LIST USES_${folder})
    set(findings "${findings}${file}: includes ${target}, but ${folder} may not use ${used}\n"
        PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE sources RELATIVE "${ROOT}" "${ROOT}/*.h" "${ROOT}/*.cpp")
list(SORT sources)
foreach(file IN LISTS sources)
  if(NOT file MATCHES "^([^/]+)/")
    string(APPEND findings "${file}: lies outside the folders ${layer_names}\n")
    continue()
  endif()
  set(folder "${CMAKE_MATCH_1}")
  if(NOT folder IN_LIST LAYERS)
    string(APPEND findings "${file}: ${folder} is not one of the folders ${layer_names}\n")
    continue()
  endif()

  file(READ "${ROOT}/${file}" text)
  string(REGEX MATCHALL "\n" newlines "${text}")
  list(LENGTH newlines line_count)
  if(line_count GREATER MAX_LINES)
    string(APPEND findings "${file}: ${line_count} lines, more than ${MAX_LINES}\n")
  endif()

  file(STRINGS "${ROOT}/${file}" includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    if(line MATCHES "\"([^\"]+)\"")
      check_include("${file}" "${folder}" "${CMAKE_MATCH_1}")
    elseif(line MATCHES "<([^>]+)>")
      set(header "${CMAKE_MATCH_1}")
      # Standard headers are bare lower-case names (<vector>, <cmath>).
      if(NOT header MATCHES "^[a-z_]+$")
        string(APPEND findings "${file}: includes <${header}>, not a standard header\n")
      endif()
    endif()
  endforeach()
endforeach()

if(findings)
  message("${findings}")
  message(FATAL_ERROR "check_layers: the model library's layers are broken")
endif()
list(LENGTH sources checked)
message(STATUS "check_layers: ${checked} files keep to their layers")
