# coinwell_library(<name> <sources>...): a static library of the folder it is
# declared in. Others include its headers as "<name>/...", and only once they
# link it: its include folder holds nothing but a link named <name> to its
# own sources, so a header of a library not linked is not found.
function(coinwell_library name)
  add_library(${name} STATIC ${ARGN})
  set(include_root ${PROJECT_BINARY_DIR}/include/${name})
  file(MAKE_DIRECTORY ${include_root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${include_root}/${name} SYMBOLIC)
  target_include_directories(${name} PUBLIC ${include_root})
  coinwell_warnings(${name})
endfunction()
