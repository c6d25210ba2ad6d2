# `cpack -G DEB` in the build folder makes groundline_VERSION_ARCH.deb and
# groundline-tools_VERSION_ARCH.deb from what `cmake --install` puts in place,
# under /usr, one package for each install component.

set(CPACK_PACKAGE_NAME groundline)
set(CPACK_PACKAGE_VENDOR "The Groundline Defence developers")
set(CPACK_PACKAGE_CONTACT "${GROUNDLINE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game tools)
set(CPACK_DEBIAN_GAME_PACKAGE_NAME groundline)
set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME groundline-tools)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_GAME_PACKAGE_SECTION games)
# A painter's tool rather than a game: lintian holds games/ to games.
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${GROUNDLINE_HOMEPAGE}")
# The first line is the summary; CPack indents each further line itself.
set(CPACK_DEBIAN_GAME_DESCRIPTION "small pixel-art tower-defence game
Squibbles march across the sky, row by row, down toward the ground line.
Set laser turrets, homing missile turrets and tesla coils on the ground to
stop them; kills pay for more towers. Every picture and price is kept in
plain files, and glpack, in groundline-tools, packs new art for mods.")
set(CPACK_DEBIAN_TOOLS_DESCRIPTION "modding tools for the Groundline Defence game
glpack packs PNG pictures painted in the game's palette into the still
images and sprite sheets that Groundline Defence reads, unpacks them again,
checks them as the game reads them, and rebuilds a whole data folder from
an art folder. The palette comes with it.")
# Folders in the package are 0755 and owned by root, whatever the umask.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Read by cpack itself, when it packs.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/packaging/CPackWhenPacking.cmake)
configure_file(${CMAKE_CURRENT_LIST_DIR}/CPackWhenPacking.cmake.in ${CPACK_PROJECT_CONFIG_FILE}
    @ONLY)

include(CPack)
