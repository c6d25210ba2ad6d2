# The Windows game as a zip to unpack anywhere: groundline.exe with data/
# beside it, where the game looks first, the readme and the licence.
# `cpack -G ZIP` makes groundline-VERSION-win64.zip of it.
install(TARGETS groundline RUNTIME DESTINATION ${GROUNDLINE_INSTALL_GAMESDIR})
install(DIRECTORY data/ DESTINATION ${GROUNDLINE_INSTALL_GAMEDATADIR})
install(FILES README.md DESTINATION .)
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
    install(FILES LICENSE DESTINATION .)
endif()

set(CPACK_PACKAGE_NAME groundline)
set(CPACK_SYSTEM_NAME win64)
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)
include(CPack)
