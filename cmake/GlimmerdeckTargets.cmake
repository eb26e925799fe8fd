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

# gd_subsystem_library(NAME LIBS ... WIN32_LIBS ...): the library of one subsystem from every
# .cpp of the calling folder; files ending in _win32.cpp form NAME_win32 instead, built only
# for Windows over NAME and WIN32_LIBS.
function(gd_subsystem_library name)
  cmake_parse_arguments(ARG "" "" "LIBS;WIN32_LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "_win32\\.cpp$")
  gd_library(${name} SOURCES ${sources} LIBS ${ARG_LIBS})
  if(WIN32)
    file(GLOB win32_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_win32.cpp)
    if(win32_sources)
      gd_library(${name}_win32 SOURCES ${win32_sources} LIBS ${name} ${ARG_WIN32_LIBS})
    endif()
  endif()
endfunction()
