# add_listed_subdirectories([EXCEPT name...]): adds every direct sub-folder of
# the current source folder that has a CMakeLists.txt.
function(add_listed_subdirectories)
    cmake_parse_arguments(ARG "" "" "EXCEPT" ${ARGN})
    file(GLOB entries LIST_DIRECTORIES true "${CMAKE_CURRENT_SOURCE_DIR}/*")
    foreach(d IN LISTS entries)
        get_filename_component(name "${d}" NAME)
        if(IS_DIRECTORY "${d}" AND EXISTS "${d}/CMakeLists.txt" AND NOT name IN_LIST ARG_EXCEPT)
            add_subdirectory("${d}")
        endif()
    endforeach()
endfunction()
