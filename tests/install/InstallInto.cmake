# cmake -DBUILD_FOLDER=... -DINSTALL_ROOT=... -DINSTALL_PREFIX=... -P InstallInto.cmake
# Installs the build into an empty INSTALL_ROOT, as a package's files would be laid out.
file(REMOVE_RECURSE ${INSTALL_ROOT})
set(ENV{DESTDIR} ${INSTALL_ROOT})
execute_process(
    COMMAND ${CMAKE_COMMAND} --install ${BUILD_FOLDER} --prefix ${INSTALL_PREFIX}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
