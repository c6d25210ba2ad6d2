# What `cmake --install` puts under the prefix, laid out as Debian lays out a
# game, and the .deb that `cpack -G DEB` makes of it.

# The home page and the reverse-domain name that desktops know the game by go
# together: set both when the game has a home of its own.
set(GROUNDLINE_HOMEPAGE "https://groundline.example/" CACHE STRING
    "The game's home page; the AppStream screenshot is docs/battle.png under it")
set(GROUNDLINE_APP_ID "example.groundline.Groundline" CACHE STRING
    "The desktop entry's and the AppStream metainfo's name, in reverse-domain form")
set(GROUNDLINE_MAINTAINER "The Groundline Defence developers <groundline@example.org>"
    CACHE STRING "Who answers for the package, as NAME <ADDRESS>")

# Directories made under the prefix are world-readable whatever the umask of
# whoever installs: a package with group-writable folders would not pass lintian.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(GROUNDLINE_DOCDIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/groundline")
set(packaging ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(staged ${CMAKE_CURRENT_BINARY_DIR}/packaging)

install(TARGETS groundline RUNTIME DESTINATION ${GROUNDLINE_INSTALL_GAMESDIR})
if(TARGET glpack)
    install(TARGETS glpack RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(DIRECTORY data/ DESTINATION ${GROUNDLINE_INSTALL_GAMEDATADIR})

# The desktop entry starts the game by its full path, so that it works from a
# menu whatever the PATH. The prefix is only known when installing: cpack and
# `cmake --install --prefix` choose it then.
install(CODE "
    set(GROUNDLINE_GAME \"\${CMAKE_INSTALL_PREFIX}/${GROUNDLINE_INSTALL_GAMESDIR}/groundline\")
    configure_file(${packaging}/groundline.desktop.in ${staged}/${GROUNDLINE_APP_ID}.desktop @ONLY)
")
install(FILES ${staged}/${GROUNDLINE_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)

configure_file(${packaging}/groundline.metainfo.xml.in
    ${staged}/${GROUNDLINE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${staged}/${GROUNDLINE_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)

# The painter leaves the icon as icon/groundline_SIZE.png.
file(GLOB icons ${CMAKE_CURRENT_SOURCE_DIR}/art/icon/groundline_*.png)
foreach(icon ${icons})
    string(REGEX REPLACE ".*_([0-9]+)\\.png$" "\\1" size ${icon})
    install(FILES ${icon}
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps
        RENAME groundline.png)
endforeach()

# Debian wants manual pages and the changelog compressed, and compressed the
# same way every time (-n: no name or time stamp).
set(compressed)
macro(install_compressed source destination)
    get_filename_component(name ${source} NAME)
    add_custom_command(OUTPUT ${staged}/${name}.gz
        COMMAND gzip -9n -c ${source} > ${staged}/${name}.gz
        DEPENDS ${source}
        VERBATIM)
    list(APPEND compressed ${staged}/${name}.gz)
    install(FILES ${staged}/${name}.gz DESTINATION ${destination})
endmacro()
foreach(page groundline.6 glpack.1)
    configure_file(${packaging}/${page} ${staged}/${page} @ONLY)
    string(REGEX REPLACE ".*\\." "man" section ${page})
    install_compressed(${staged}/${page} ${CMAKE_INSTALL_MANDIR}/${section})
endforeach()
configure_file(${packaging}/changelog.in ${staged}/changelog @ONLY)
install_compressed(${staged}/changelog ${GROUNDLINE_DOCDIR})
add_custom_target(packaging ALL DEPENDS ${compressed})

install(FILES ${packaging}/copyright DESTINATION ${GROUNDLINE_DOCDIR})

include(${packaging}/CPackSettings.cmake)
