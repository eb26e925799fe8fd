# Helpers that give every Glimmerdeck target the same warnings and the same test wiring.

function(gd_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wconversion -Wno-sign-conversion)
endfunction()

# gd_library(NAME SOURCES... [LIBS ...]): a static library of our own code.
function(gd_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  gd_warnings(${name})
endfunction()
