# The program's layers, lowest first; each may include only itself and the
# layers below it:
#   toolkit <- platform <- logic <- view (qt or win32) <- app
# tarnwick_check_layer() makes the build fail when a file breaks that order.
set(tarnwick_layer_toolkit toolkit)
set(tarnwick_layer_platform platform)
set(tarnwick_layer_logic helpers core connection scheduler forms window web companions
    program.hpp program.cpp wiring.cpp)
set(tarnwick_layer_view qt win32)
set(tarnwick_layers toolkit platform logic view)

# Checks every file of `layer` (its folders under src/) before `target` builds.
function(tarnwick_check_layer target layer)
    set(forbidden "")
    set(higher FALSE)
    foreach(other IN LISTS tarnwick_layers)
        if(higher)
            list(APPEND forbidden ${tarnwick_layer_${other}})
        endif()
        if(other STREQUAL layer)
            set(higher TRUE)
        endif()
    endforeach()
    # The two views are siblings: neither may use the other.
    if(layer STREQUAL "view")
        set(forbidden qt win32)
        list(REMOVE_ITEM forbidden ${ARGN})
    endif()
    set(folders ${tarnwick_layer_${layer}})
    if(ARGN)
        set(folders ${ARGN})
    endif()
    set(files "")
    foreach(folder IN LISTS folders)
        if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/src/${folder})
            file(GLOB_RECURSE found CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}/src
                 ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/src/${folder}/*.hpp)
            list(APPEND files ${found})
        else()
            list(APPEND files ${folder})
        endif()
    endforeach()
    list(TRANSFORM files PREPEND ${PROJECT_SOURCE_DIR}/src/ OUTPUT_VARIABLE paths)
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_layer.stamp)
    add_custom_command(
        OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}/src "-DFILES=${files}"
                "-DFORBIDDEN=${forbidden}" -DLAYER=${layer} -DSTAMP=${stamp}
                -P ${PROJECT_SOURCE_DIR}/cmake/check_layer.cmake
        DEPENDS ${paths} ${PROJECT_SOURCE_DIR}/cmake/check_layer.cmake
        COMMENT "Checking the includes of the ${layer} layer"
        VERBATIM)
    add_custom_target(${target}_layer_check DEPENDS ${stamp})
    add_dependencies(${target} ${target}_layer_check)
endfunction()
