# The Windows game as a zip to unpack anywhere: groundline.exe with data/
# beside it, where the game looks first, a player's readme and the licence.
# `cpack -G ZIP` makes groundline-VERSION-win64.zip of it.
install(TARGETS groundline RUNTIME DESTINATION ${GROUNDLINE_INSTALL_GAMESDIR})

# What Explorer shows of groundline.exe: the painter's icon at every size from
# 16 to 256 pixels (packaging/windows/groundline.ico, remade by the
# window-icon target), the version, name and licence, and the manifest.
set(GROUNDLINE_VERSION_QUAD "${PROJECT_VERSION}.0")
string(REPLACE "." "," GROUNDLINE_VERSION_COMMAS "${GROUNDLINE_VERSION_QUAD}")
set(GROUNDLINE_WINDOWS_ICON ${CMAKE_CURRENT_SOURCE_DIR}/packaging/windows/groundline.ico)
set(GROUNDLINE_WINDOWS_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/groundline.manifest)
configure_file(packaging/windows/groundline.manifest.in groundline.manifest @ONLY)
configure_file(packaging/windows/groundline.rc.in groundline.rc @ONLY)
target_sources(groundline PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/groundline.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/groundline.rc PROPERTIES
    OBJECT_DEPENDS "${GROUNDLINE_WINDOWS_ICON};${GROUNDLINE_WINDOWS_MANIFEST}")
install(DIRECTORY data/ DESTINATION ${GROUNDLINE_INSTALL_GAMEDATADIR})
# A player's readme, not the developers' README: how to start the game, the
# controls, where the settings are and how to mod.
set(GROUNDLINE_PLAYER_START "Unpack the zip anywhere and double-click groundline.exe. The game finds
its data/ folder beside it, so the whole folder can be moved or copied.

The game is not signed, so the first time Windows may say it protected your
PC (SmartScreen): click \"More info\", then \"Run anyway\".

The window opens as large as the screen holds at a whole number of screen
pixels to each of the game's, so that they stay sharp. A shortcut to
groundline.exe can add options: --scale N for a window N times 320 x 240
(--scale 2 is 640 x 480), --mute, --volume N (0 to 100), or --data FOLDER
to play a mod kept in a folder of its own.")
set(GROUNDLINE_PLAYER_RECORD "The
best and the saved game are kept in %APPDATA%\\Groundline\\, small files for
each strings.txt and difficulty, so each mod has its own.

To remove the game, delete its folder, and %APPDATA%\\Groundline\\ with
the records and saves in it (type %APPDATA% into Explorer's address bar to get there).
Nothing else is written anywhere.")
set(GROUNDLINE_PLAYER_MODS "Every price, speed, rate and name of the game is in data/strings.txt, a text
file of key=value lines, each group commented: open it in any text editor,
change a number, and start the game again. Keep a copy of the original.

The pictures in data/ are packed PNG images (.mz still images, .sz sprite
sheets) and the sounds are WAVE files that strings.txt names. The modding
toolkit, glpack, which packs and unpacks the pictures, and the full guide to
modding come with the game's source${GROUNDLINE_HOMEPAGE_SENTENCE_END}")
set(GROUNDLINE_LICENSE_NAME LICENSE.txt)
configure_file(packaging/player-readme.txt.in player-readme.txt @ONLY)
# In Windows' line endings, the texts above included, for Notepad's sake.
file(READ ${CMAKE_CURRENT_BINARY_DIR}/player-readme.txt playerReadme)
string(REPLACE "\n" "\r\n" playerReadme "${playerReadme}")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/README.txt "${playerReadme}")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION .)
# The licence as LICENSE.txt, which Windows opens in Notepad when clicked.
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
    file(READ ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE licence)
    string(REPLACE "\n" "\r\n" licence "${licence}")
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt "${licence}")
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt DESTINATION .)
endif()

set(CPACK_PACKAGE_NAME groundline)
set(CPACK_SYSTEM_NAME win64)
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)
include(CPack)
