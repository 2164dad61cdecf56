# Each library exposes only its own folder, under the folder's name: a library's public include
# path holds one link, so that "model/palette.h" is found by everything above the model while an
# include against the direction of the libraries ("mainwindow/..." from the inspector) does not
# compile.
function(talvex_expose_folder target name)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${name} SYMBOLIC)
    target_include_directories(${target} PUBLIC ${root})
endfunction()
