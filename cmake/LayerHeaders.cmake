# Each layer's headers are reachable only from the targets that link the layer. A layer's folders
# are linked into build/layers/<target>/ at their place in the tree, and that stage (not the
# repository root) is the target's public include path: an include of a layer the target does not
# link fails to compile, naming the header.
function(player_layer_headers target)
  set(stage ${CMAKE_BINARY_DIR}/layers/${target})
  foreach(folder IN LISTS ARGN)
    set(link ${stage}/${folder})
    get_filename_component(parent ${link} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT IS_SYMLINK ${link})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${link} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} PUBLIC ${stage})
endfunction()
