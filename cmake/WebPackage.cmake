# The browser's game as a page: groundline.js, .wasm and .data (data/ packed
# in, for the game's own loaders to read) beside the page's own files from
# web/page/. `cpack -G ZIP` makes groundline-VERSION-web.zip of it, with
# index.html at its root, to upload to a site that hosts HTML5 games or to
# serve from any folder.
set_target_properties(groundline PROPERTIES SUFFIX ".js")
file(GLOB GROUNDLINE_DATA_FILES CONFIGURE_DEPENDS data/*)
target_link_options(groundline PRIVATE -sENVIRONMENT=web
    --preload-file ${CMAKE_SOURCE_DIR}/data@data
    -sEXPORTED_RUNTIME_METHODS=ccall,UTF8ToString)
# Packed in when the page is linked, so a change to data/ links it again.
set_target_properties(groundline PROPERTIES LINK_DEPENDS "${GROUNDLINE_DATA_FILES}")

set(GROUNDLINE_PAGE_FILES index.html page.js page.css icon.png)
foreach(name index.html page.js page.css)
    configure_file(web/page/${name} ${name} COPYONLY)
endforeach()
# The desktop icon, as the tab's.
configure_file(art/icon/groundline_32.png icon.png COPYONLY)

# A player's readme, not the developers' README: how to open the page, the
# controls, and where the best wave is kept.
set(GROUNDLINE_PLAYER_START "Unpack the zip into a folder that a web server serves and open index.html
there, or upload the zip to a site that hosts HTML5 games. Opened straight
from the disk, the page cannot read its data: to play on your own machine,
run a small server in the unpacked folder, such as

    python3 -m http.server 8000

and open http://127.0.0.1:8000/ in a browser. F, or the page's full-screen
button, fills the screen. On a touch screen, a tap is a left click; the
buttons beside the picture pause, fast-forward, open the quit dialog, turn
the sound off or on and cancel placing a tower. Hold a phone sideways. The
sound starts with your first click, tap or key; index.html?mute starts it
off, and index.html?volume=N plays it at N from 0 (none) to 100.")
set(GROUNDLINE_PLAYER_RECORD "The
best is kept in the browser's storage for the site the page came from,
one for each strings.txt, so each mod has its own; clearing the site's
data forgets it.")
set(GROUNDLINE_PLAYER_MODS "The page plays the settings and pictures packed into groundline.data. Every
price, speed, rate and name of the game is in data/strings.txt in the game's
source, which also has the modding toolkit, glpack, the full guide to
modding, and how to build the page anew with a mod packed in:
${GROUNDLINE_HOMEPAGE}")
configure_file(packaging/player-readme.txt.in README.txt @ONLY)

install(FILES
    ${CMAKE_CURRENT_BINARY_DIR}/groundline.js
    ${CMAKE_CURRENT_BINARY_DIR}/groundline.wasm
    ${CMAKE_CURRENT_BINARY_DIR}/groundline.data
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
