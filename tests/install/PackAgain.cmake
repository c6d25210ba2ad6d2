# cmake -DBUILD_FOLDER=... -DFIRST_FOLDER=... -DSECOND_FOLDER=... -DPACKAGES=a.deb;b.deb
#     -P PackAgain.cmake
# Packs the build again into SECOND_FOLDER, with the game's program given a
# fresh time stamp as a rebuild would, and fails unless each package in
# FIRST_FOLDER comes out byte for byte the same.
file(REMOVE_RECURSE ${SECOND_FOLDER})
file(TOUCH ${BUILD_FOLDER}/groundline)
execute_process(
    COMMAND ${CMAKE_CPACK_COMMAND} -G DEB --config ${BUILD_FOLDER}/CPackConfig.cmake
        -B ${SECOND_FOLDER}
    WORKING_DIRECTORY ${BUILD_FOLDER}
    RESULT_VARIABLE status
    OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cpack failed: ${status}")
endif()
foreach(package ${PACKAGES})
    get_filename_component(name ${package} NAME)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E compare_files ${package} ${SECOND_FOLDER}/${name}
        RESULT_VARIABLE different)
    if(different)
        message(FATAL_ERROR "${name} differs between two packings of one build")
    endif()
endforeach()
