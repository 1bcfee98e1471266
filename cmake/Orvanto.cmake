# Each subsystem's CMakeLists.txt names its sources in two sets:
#   PURE: text and byte logic that includes no Windows header; it is also built
#         for the host (Linux) with sanitizers.
#   WIN:  code that calls Win32 (through platform/ or in platform/ itself).
# Tests are named the same way in tests/<subsystem>/CMakeLists.txt.
function(orvanto_sources)
  cmake_parse_arguments(ARG "" "" "PURE;WIN" ${ARGN})
  foreach(f IN LISTS ARG_PURE)
    set_property(GLOBAL APPEND PROPERTY ORVANTO_PURE_SOURCES "${CMAKE_CURRENT_SOURCE_DIR}/${f}")
  endforeach()
  foreach(f IN LISTS ARG_WIN)
    set_property(GLOBAL APPEND PROPERTY ORVANTO_WIN_SOURCES "${CMAKE_CURRENT_SOURCE_DIR}/${f}")
  endforeach()
endfunction()

function(orvanto_tests)
  cmake_parse_arguments(ARG "" "" "PURE;WIN" ${ARGN})
  foreach(f IN LISTS ARG_PURE)
    set_property(GLOBAL APPEND PROPERTY ORVANTO_PURE_TESTS "${CMAKE_CURRENT_SOURCE_DIR}/${f}")
  endforeach()
  foreach(f IN LISTS ARG_WIN)
    set_property(GLOBAL APPEND PROPERTY ORVANTO_WIN_TESTS "${CMAKE_CURRENT_SOURCE_DIR}/${f}")
  endforeach()
endfunction()

# Resource scripts linked into Orvanto.exe (and the unit tests, which decode the
# same embedded pictures).
function(orvanto_resources)
  foreach(f IN LISTS ARGN)
    set_property(GLOBAL APPEND PROPERTY ORVANTO_RESOURCES "${CMAKE_CURRENT_SOURCE_DIR}/${f}")
  endforeach()
endfunction()
