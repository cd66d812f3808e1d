# brelix_library(NAME [DIR dir] SOURCES file... [LINKS target...]): a static
# library of our own code, warnings as errors, with its folder (DIR, relative
# to the current one, or the current one) on the include path of its users.
function(brelix_library name)
  cmake_parse_arguments(ARG "" "DIR" "SOURCES;LINKS" ${ARGN})
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  if(ARG_DIR)
    set(dir ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_DIR})
  endif()
  list(TRANSFORM ARG_SOURCES PREPEND ${dir}/)
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${dir})
  target_compile_options(${name} PRIVATE ${BRELIX_WARNINGS})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
endfunction()
