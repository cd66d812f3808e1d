# brelix_part(NAME): one part of the program in the current folder. Its
# portable rules (rules/*.cpp, no <windows.h>, tested natively) make
# brelix_NAME_rules; in the Windows build its windows and platform code
# (*.cpp) make brelix_NAME.
function(brelix_part name)
  file(GLOB rules CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/rules/*.cpp)
  if(rules)
    add_library(brelix_${name}_rules STATIC ${rules})
    target_include_directories(brelix_${name}_rules PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/rules)
    target_compile_options(brelix_${name}_rules PRIVATE ${BRELIX_WARNINGS})
  endif()
  if(WIN32)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(sources)
      add_library(brelix_${name} STATIC ${sources})
      target_include_directories(brelix_${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/resources)
      target_link_libraries(brelix_${name} PUBLIC brelix_toolkit brelix_game
        $<TARGET_NAME_IF_EXISTS:brelix_${name}_rules>)
      target_compile_options(brelix_${name} PRIVATE ${BRELIX_WARNINGS})
    endif()
  endif()
endfunction()
