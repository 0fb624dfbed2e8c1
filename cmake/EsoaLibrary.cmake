# esoa_library(TARGET FOLDER [sources...]): a static library made of the sources of its own folder.
# Its include path exposes only itself: the folder is reachable as "<folder>/..." through a staging
# directory of the build that links to it, so that a file includes "database/Connection.h" or
# "core/reference/ImportRun.h", and an include of a library that is not linked does not compile.
function(esoa_library target folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${target} STATIC ${sources})
  set(stage ${CMAKE_BINARY_DIR}/include/${target})
  file(MAKE_DIRECTORY ${stage})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${stage}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${stage})
  target_compile_options(${target} PRIVATE ${ESOA_WARNINGS})
endfunction()
