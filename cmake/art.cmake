# The pictures, drawn from their text art in res/art into the build folder:
# the pixels the settings window's drawing shows (art_pixels.cpp, for
# kx_window) and the icons, cursor and bitmap the resources name (for the
# Windows build). One source for both, so they never disagree.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(KX_ART_DIR ${CMAKE_BINARY_DIR}/art)
set(KX_ART_PIXELS ${KX_ART_DIR}/art_pixels.cpp)
set(KX_ART_PICTURES
  ${KX_ART_DIR}/program.ico
  ${KX_ART_DIR}/emblem.ico
  ${KX_ART_DIR}/url_hand.cur
  ${KX_ART_DIR}/color_cells.bmp)
add_custom_command(
  OUTPUT ${KX_ART_PIXELS} ${KX_ART_PICTURES}
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/art/make_art.py
          ${PROJECT_SOURCE_DIR}/res/art ${KX_ART_DIR}
  DEPENDS ${PROJECT_SOURCE_DIR}/tools/art/make_art.py
          ${PROJECT_SOURCE_DIR}/res/art/emblem.txt
          ${PROJECT_SOURCE_DIR}/res/art/color_cells.txt
          ${PROJECT_SOURCE_DIR}/res/art/hand_cursor.txt
  COMMENT "Drawing the artwork from res/art"
  VERBATIM)
add_custom_target(kx_art DEPENDS ${KX_ART_PIXELS} ${KX_ART_PICTURES})
