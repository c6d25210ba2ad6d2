# `cpack -G DEB` in the build folder makes groundline_VERSION_ARCH.deb from
# what `cmake --install` puts in place, under /usr.

set(CPACK_PACKAGE_NAME groundline)
set(CPACK_PACKAGE_VENDOR "The Groundline Defence developers")
set(CPACK_PACKAGE_CONTACT "${GROUNDLINE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small pixel-art tower-defence game")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${GROUNDLINE_HOMEPAGE}")
# CPack indents each line of the long description itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Squibbles march across the sky, row by row, down toward the ground line.
Set laser turrets, homing missile turrets and tesla coils on the ground to
stop them; kills pay for more towers. Every picture and price is kept in
plain files, and glpack packs new art for mods.")
# Folders in the package are 0755 and owned by root, whatever the umask.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
