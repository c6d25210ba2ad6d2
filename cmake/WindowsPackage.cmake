# The Windows game as a zip to unpack anywhere: groundline.exe with data/
# beside it, where the game looks first, a player's readme and the licence.
# `cpack -G ZIP` makes groundline-VERSION-win64.zip of it.
install(TARGETS groundline RUNTIME DESTINATION ${GROUNDLINE_INSTALL_GAMESDIR})
install(DIRECTORY data/ DESTINATION ${GROUNDLINE_INSTALL_GAMEDATADIR})
# A player's readme, not the developers' README: how to start the game, the
# controls, where the settings are and how to mod.
set(GROUNDLINE_PLAYER_START "Unpack the zip anywhere and double-click groundline.exe. The game finds
its data/ folder beside it, so the whole folder can be moved or copied. It
opens a 640 x 480 window. A shortcut to groundline.exe can add options:
--scale 3 for a 960 x 720 window, --mute, --volume N (0 to 100), or
--data FOLDER to play a mod kept in a folder of its own.")
set(GROUNDLINE_PLAYER_RECORD "The
best is kept in %APPDATA%\\Groundline\\, one small file for each
strings.txt, so each mod has its own.")
set(GROUNDLINE_PLAYER_MODS "Every price, speed, rate and name of the game is in data/strings.txt, a text
file of key=value lines, each group commented: open it in any text editor,
change a number, and start the game again. Keep a copy of the original.

The pictures in data/ are packed PNG images (.mz still images, .sz sprite
sheets) and the sounds are WAVE files that strings.txt names. The modding
toolkit, glpack, which packs and unpacks the pictures, and the full guide to
modding come with the game's source: ${GROUNDLINE_HOMEPAGE}")
configure_file(packaging/player-readme.txt.in player-readme.txt @ONLY)
# In Windows' line endings, the texts above included, for Notepad's sake.
file(READ ${CMAKE_CURRENT_BINARY_DIR}/player-readme.txt playerReadme)
string(REPLACE "\n" "\r\n" playerReadme "${playerReadme}")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/README.txt "${playerReadme}")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION .)
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
    install(FILES LICENSE DESTINATION .)
endif()

set(CPACK_PACKAGE_NAME groundline)
set(CPACK_SYSTEM_NAME win64)
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)
include(CPack)
