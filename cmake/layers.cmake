# The portable code's layers, lowest tier first; folders of one tier are
# siblings. A folder may include its own headers and those of any lower tier,
# never a sibling's or a higher one's. This list is the one statement of that
# rule: each folder's library links only the libraries below it, and the
# build (and `make test`) runs cmake/check_layers.cmake over every include.
set(KX_LAYER_TIERS "text|forms" "settings|questions" "ticker|window" "app" "win32")
# The resource headers in res/ (ids, version) belong to this layer and those
# above it: app names the menu's commands by their ids.
set(KX_RESOURCES_LAYER app)
# The tools under tools/, each with the layers it may use (none: it stands
# alone). A tool never reaches the program's own layers; kxd reads res/ for
# the version it shares with the program.
set(KX_TOOL_LAYERS "kxd:text|forms|questions|settings|res" "capture:")
# Only `*_win.cpp` files and src/win32 include <windows.h>. A `*_win.cpp`
# file is built for Windows only: the Windows side of a portable header,
# kept beside it (text/cp932_win.cpp, kxd's console_output_win.cpp), or a
# Windows-only tool (capture). The paths, below the repository, that match:
set(KX_WINDOWS_H_FILES "^src/win32/|_win\\.cpp$")

# The folders of the tiers below `folder`'s, lowest first, into `out`.
function(kx_folders_below folder out)
  set(below "")
  foreach(tier IN LISTS KX_LAYER_TIERS)
    string(REPLACE "|" ";" folders "${tier}")
    if(folder IN_LIST folders)
      set(${out} "${below}" PARENT_SCOPE)
      return()
    endif()
    list(APPEND below ${folders})
  endforeach()
  message(FATAL_ERROR "folder '${folder}' is in no layer of KX_LAYER_TIERS")
endfunction()

# kx_<folder>, a static library linked to every library below it.
function(kx_layer_library folder)
  add_library(kx_${folder} STATIC)
  kx_warnings(kx_${folder})
  target_include_directories(kx_${folder} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  kx_folders_below(${folder} below)
  list(REVERSE below)
  foreach(lower IN LISTS below)
    if(TARGET kx_${lower})
      target_link_libraries(kx_${folder} PUBLIC kx_${lower})
    endif()
  endforeach()
endfunction()
