# What `cmake --install` puts under the prefix, laid out as Debian lays out a
# game, and the two .debs that `cpack -G DEB` makes of it: the game ("game")
# and the modder's glpack with its palette ("tools"), which a player does not
# need, nor the PNG library that comes with it.

# The home page (set at the top) and the reverse-domain name that desktops
# know the game by go together: set both when the game has a home of its own.
set(GROUNDLINE_APP_ID "example.groundline.Groundline" CACHE STRING
    "The desktop entry's and the AppStream metainfo's name, in reverse-domain form")
set(GROUNDLINE_MAINTAINER "The Groundline Defence developers <groundline@example.org>"
    CACHE STRING "Who answers for the package, as NAME <ADDRESS>")

# Directories made under the prefix are world-readable whatever the umask of
# whoever installs: a package with group-writable folders would not pass lintian.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(GROUNDLINE_TOOLS_DATADIR "${CMAKE_INSTALL_DATAROOTDIR}/groundline-tools")
set(packaging ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(staged ${CMAKE_CURRENT_BINARY_DIR}/packaging)

install(TARGETS groundline RUNTIME DESTINATION ${GROUNDLINE_INSTALL_GAMESDIR} COMPONENT game)
install(DIRECTORY data/ DESTINATION ${GROUNDLINE_INSTALL_GAMEDATADIR} COMPONENT game)
if(TARGET glpack)
    install(TARGETS glpack RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT tools)
    # The palette every picture of the game is painted in, for `glpack pack
    # --palette` and for the art folder that `glpack build` reads.
    install(FILES art/palette.txt DESTINATION ${GROUNDLINE_TOOLS_DATADIR} COMPONENT tools)
endif()

# The desktop entry starts the game by its full path, so that it works from a
# menu whatever the PATH. The prefix is only known when installing: cpack and
# `cmake --install --prefix` choose it then.
install(CODE "
    set(GROUNDLINE_GAME \"\${CMAKE_INSTALL_PREFIX}/${GROUNDLINE_INSTALL_GAMESDIR}/groundline\")
    configure_file(${packaging}/groundline.desktop.in ${staged}/${GROUNDLINE_APP_ID}.desktop @ONLY)
" COMPONENT game)
install(FILES ${staged}/${GROUNDLINE_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications COMPONENT game)

# The home page, and the screenshot kept under it, only once there is one.
set(GROUNDLINE_METAINFO_HOME "")
if(GROUNDLINE_HOMEPAGE)
    set(GROUNDLINE_METAINFO_HOME "  <url type=\"homepage\">${GROUNDLINE_HOMEPAGE}</url>
  <screenshots>
    <screenshot type=\"default\">
      <caption>A wave of squibbles meets the towers</caption>
      <image type=\"source\" width=\"640\" height=\"480\">${GROUNDLINE_HOMEPAGE}docs/battle.png</image>
    </screenshot>
  </screenshots>
")
endif()
configure_file(${packaging}/groundline.metainfo.xml.in
    ${staged}/${GROUNDLINE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${staged}/${GROUNDLINE_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo COMPONENT game)

# The painter leaves the icon as icon/groundline_SIZE.png.
file(GLOB icons ${CMAKE_CURRENT_SOURCE_DIR}/art/icon/groundline_*.png)
foreach(icon ${icons})
    string(REGEX REPLACE ".*_([0-9]+)\\.png$" "\\1" size ${icon})
    install(FILES ${icon}
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps
        RENAME groundline.png COMPONENT game)
endforeach()

# Debian wants manual pages and the changelog compressed, and compressed the
# same way every time (-n: no name or time stamp).
set(compressed)
macro(compress source)
    get_filename_component(name ${source} NAME)
    add_custom_command(OUTPUT ${staged}/${name}.gz
        COMMAND gzip -9n -c ${source} > ${staged}/${name}.gz
        DEPENDS ${source}
        VERBATIM)
    list(APPEND compressed ${staged}/${name}.gz)
endmacro()
foreach(page groundline.6 glpack.1)
    configure_file(${packaging}/${page} ${staged}/${page} @ONLY)
    compress(${staged}/${page})
endforeach()
install(FILES ${staged}/groundline.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT game)
install(FILES ${staged}/glpack.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT tools)
# Each package carries the changelog and the copyright in a doc folder of its own.
configure_file(${packaging}/changelog.in ${staged}/changelog @ONLY)
compress(${staged}/changelog)
foreach(package groundline:game groundline-tools:tools)
    string(REPLACE ":" ";" package ${package})
    list(GET package 0 name)
    list(GET package 1 component)
    install(FILES ${staged}/changelog.gz ${packaging}/copyright
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${name} COMPONENT ${component})
endforeach()
add_custom_target(packaging ALL DEPENDS ${compressed})

include(${packaging}/CPackSettings.cmake)
