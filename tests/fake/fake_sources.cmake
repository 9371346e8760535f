# KX_FAKE_SOURCES: the fake forms layer, with the resource script compiled in
# as text, so the fake's string table is the program's own rather than a copy
# kept by hand.
set(kx_rc ${PROJECT_SOURCE_DIR}/res/KX_RuvoZava.rc)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${kx_rc})
file(READ ${kx_rc} kx_rc_text)
set(kx_rc_source ${PROJECT_BINARY_DIR}/generated/resource_script.cpp)
set(kx_rc_content "extern const char kResourceScript[];\nconst char kResourceScript[] = R\"KXRC(${kx_rc_text})KXRC\";\n")
set(kx_rc_old "")
if(EXISTS ${kx_rc_source})
  file(READ ${kx_rc_source} kx_rc_old)
endif()
if(NOT kx_rc_old STREQUAL kx_rc_content)
  file(WRITE ${kx_rc_source} "${kx_rc_content}")
endif()
set(KX_FAKE_SOURCES ${PROJECT_SOURCE_DIR}/tests/fake/fake_platform.cpp ${kx_rc_source})
