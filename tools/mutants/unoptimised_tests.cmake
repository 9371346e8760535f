# Included by the mutation run's private build: the test programs' own
# objects are rebuilt only when a planted fault is in a header they include,
# and build much faster unoptimised.
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL kx_unoptimised_tests)
function(kx_unoptimised_tests)
  foreach(target IN LISTS KX_UNOPTIMISED_TARGETS)
    set_property(TARGET ${target} APPEND PROPERTY COMPILE_OPTIONS -O0)
  endforeach()
endfunction()
