# Windows builds: one self-contained executable, static C/C++ runtime, and the
# hardening a careful Windows developer sets on every image.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++
  -Wl,--dynamicbase -Wl,--nxcompat)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  add_link_options(-Wl,--high-entropy-va)
endif()
# Keep the relocation table: without it --dynamicbase is only a flag in the header.
add_link_options(-Wl,--enable-reloc-section)
# Reproducible images: no link time in the headers, no build folder in the code.
add_link_options(-Wl,--no-insert-timestamp)
# Line tables for a crash address, and a build id taken from the image's own
# bytes: the download ships stripped images, and the id names the debug file
# that reads their addresses. -g changes no generated code.
add_compile_options(-g1)
add_link_options(-Wl,--build-id)
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.)
