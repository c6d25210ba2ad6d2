# The browser's game as a page: groundline.js, with the WebAssembly and data/
# (for the game's own loaders to read) inside it, beside the page's own files
# from web/page/. `cpack -G ZIP` makes groundline-VERSION-web.zip of it, with
# index.html at its root, to upload to a site that hosts HTML5 games, to serve
# from any folder, or to open from the disk: a page opened from the disk may
# run the scripts beside it but fetch no other file, so nothing is fetched.
set_target_properties(groundline PROPERTIES SUFFIX ".js")
file(GLOB GROUNDLINE_DATA_FILES CONFIGURE_DEPENDS data/*)
target_link_options(groundline PRIVATE -sENVIRONMENT=web -sSINGLE_FILE=1
    --embed-file ${CMAKE_SOURCE_DIR}/data@data
    -sEXPORTED_RUNTIME_METHODS=ccall,UTF8ToString)
# Packed in when the page is linked, so a change to data/ links it again.
set_target_properties(groundline PROPERTIES LINK_DEPENDS "${GROUNDLINE_DATA_FILES}")

set(GROUNDLINE_PAGE_FILES index.html page.js page.css manifest.webmanifest icon.png icon-192.png
    icon-512.png)
foreach(name index.html page.js page.css manifest.webmanifest)
    configure_file(web/page/${name} ${name} COPYONLY)
endforeach()
# The desktop icon, as the tab's, and the larger ones that a phone puts on its
# home screen.
configure_file(art/icon/groundline_32.png icon.png COPYONLY)
foreach(size 192 512)
    configure_file(art/icon/groundline_${size}.png icon-${size}.png COPYONLY)
endforeach()

# The service worker that keeps the page for playing offline, named after a
# hash of everything it keeps, so that a new build is a new worker that
# replaces the old one's files.
add_custom_command(OUTPUT sw.js
    COMMAND ${CMAKE_COMMAND} -DFOLDER=${CMAKE_CURRENT_BINARY_DIR}
        "-DFILES=groundline.js;${GROUNDLINE_PAGE_FILES}"
        -DTEMPLATE=${CMAKE_SOURCE_DIR}/web/page/sw.js.in -P ${CMAKE_SOURCE_DIR}/cmake/WebOffline.cmake
    DEPENDS groundline web/page/sw.js.in cmake/WebOffline.cmake
        ${CMAKE_CURRENT_BINARY_DIR}/index.html ${CMAKE_CURRENT_BINARY_DIR}/page.js
        ${CMAKE_CURRENT_BINARY_DIR}/page.css ${CMAKE_CURRENT_BINARY_DIR}/manifest.webmanifest
    VERBATIM)
add_custom_target(service-worker ALL DEPENDS sw.js)

# A player's readme, not the developers' README: how to open the page, the
# controls, and where the best wave is kept.
set(GROUNDLINE_PLAYER_START "Unpack the zip and open index.html in a browser: it plays from the disk as
it is. Or unpack it into a folder that a web server serves, or upload the zip
to a site that hosts HTML5 games: served, the page can be installed on a
phone's or a computer's home screen, and once it has been opened it plays
offline too. F, or the page's full-screen button, fills the screen.

On a touch screen, the page shows a button for everything: building each
tower (with its price), upgrading and selling the selected tower, cancelling,
pausing, fast-forwarding and the dialogs' answers. Tap a tower on the picture
to select it; while placing a tower, it follows your finger and is set down
where you lift it, if there is room. The page fits a phone held either way.
The sound starts with your first click, tap or key; index.html?mute starts it
off, and index.html?volume=N plays it at N from 0 (none) to 100.")
set(GROUNDLINE_PLAYER_RECORD "The
best and the saved game are kept in the browser's storage for the site the
page came from, for each strings.txt and difficulty, so each mod has its own;
clearing the site's data forgets them.")
set(GROUNDLINE_PLAYER_MODS "The page plays the settings and pictures packed into groundline.js. Every
price, speed, rate and name of the game is in data/strings.txt in the game's
source, which also has the modding toolkit, glpack, the full guide to
modding, and how to build the page anew with a mod packed in${GROUNDLINE_HOMEPAGE_SENTENCE_END}")
configure_file(packaging/player-readme.txt.in README.txt @ONLY)

install(FILES
    ${CMAKE_CURRENT_BINARY_DIR}/groundline.js
    ${CMAKE_CURRENT_BINARY_DIR}/sw.js
    ${CMAKE_CURRENT_BINARY_DIR}/README.txt
    DESTINATION .)
foreach(name ${GROUNDLINE_PAGE_FILES})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name} DESTINATION .)
endforeach()
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
    install(FILES LICENSE DESTINATION .)
endif()

set(CPACK_PACKAGE_NAME groundline)
set(CPACK_SYSTEM_NAME web)
set(CPACK_GENERATOR ZIP)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
