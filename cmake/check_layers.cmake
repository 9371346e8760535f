# Fails when a file includes a header of a layer it may not use: a file under
# src/ a sibling's or a higher layer's, a tool under tools/ a layer not
# named for it in KX_TOOL_LAYERS; or when a file of src/ or tools/ that
# KX_WINDOWS_H_FILES does not match includes <windows.h>.
cmake_minimum_required(VERSION 3.25)
#   cmake -DKX_SOURCE_DIR=<repo> -P cmake/check_layers.cmake
include(${CMAKE_CURRENT_LIST_DIR}/layers.cmake)

set(wrong "")

# Checks every quoted include of the files in `dir` against `allowed`. A
# bare "name.h" is the file's own folder's header where it has one, else a
# resource header of res/, else nobody's (and wrong).
function(kx_check_folder dir allowed)
  file(GLOB files ${dir}/*.h ${dir}/*.cpp)
  foreach(file IN LISTS files)
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*" "\\1" header "${line}")
      if(header MATCHES "^([a-z0-9_]+)/")
        set(included ${CMAKE_MATCH_1})
      elseif(EXISTS ${dir}/${header})
        continue()
      elseif(EXISTS ${KX_SOURCE_DIR}/res/${header})
        set(included res)
      else()
        set(included "")
      endif()
      if(NOT included OR NOT included IN_LIST allowed)
        file(RELATIVE_PATH name ${KX_SOURCE_DIR} ${file})
        list(APPEND wrong "${name}: ${line}")
      endif()
    endforeach()
  endforeach()
  set(wrong "${wrong}" PARENT_SCOPE)
endfunction()

kx_folders_below(${KX_RESOURCES_LAYER} below_resources)
foreach(tier IN LISTS KX_LAYER_TIERS)
  string(REPLACE "|" ";" folders "${tier}")
  foreach(folder IN LISTS folders)
    kx_folders_below(${folder} allowed)
    list(APPEND allowed ${folder})
    if(NOT folder IN_LIST below_resources)
      list(APPEND allowed res)
    endif()
    kx_check_folder(${KX_SOURCE_DIR}/src/${folder} "${allowed}")
  endforeach()
endforeach()

foreach(tool IN LISTS KX_TOOL_LAYERS)
  string(REPLACE ":" ";" parts "${tool}")
  list(GET parts 0 name)
  set(allowed "")
  list(LENGTH parts count)
  if(count GREATER 1)
    list(GET parts 1 layers)
    string(REPLACE "|" ";" allowed "${layers}")
  endif()
  kx_check_folder(${KX_SOURCE_DIR}/tools/${name} "${allowed}")
endforeach()

file(GLOB_RECURSE sources ${KX_SOURCE_DIR}/src/*.h ${KX_SOURCE_DIR}/src/*.cpp
     ${KX_SOURCE_DIR}/tools/*.h ${KX_SOURCE_DIR}/tools/*.cpp)
foreach(file IN LISTS sources)
  file(RELATIVE_PATH name ${KX_SOURCE_DIR} ${file})
  if(NOT name MATCHES "${KX_WINDOWS_H_FILES}")
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*<[Ww][Ii][Nn][Dd][Oo][Ww][Ss]\\.[Hh]>")
    foreach(line IN LISTS includes)
      list(APPEND wrong "${name}: ${line} (only *_win.cpp files and src/win32 may)")
    endforeach()
  endif()
endforeach()

if(wrong)
  list(JOIN wrong "\n  " listed)
  message(FATAL_ERROR "includes against the layer order (${KX_LAYER_TIERS}; tools: "
                      "${KX_TOOL_LAYERS}) or of <windows.h>:\n  ${listed}")
endif()
