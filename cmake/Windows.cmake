# What the Windows build differs in before the game's targets are made.

# The program's icon, version and manifest (cmake/WindowsPackage.cmake).
enable_language(RC)

# The static Allegro that tools/windows/build-deps makes, as one target with
# the Windows libraries it calls: it installs no pkg-config file there.
find_path(ALLEGRO_INCLUDE_DIR allegro.h)
find_library(ALLEGRO_LIBRARY NAMES alleg-static alleg)
if(NOT ALLEGRO_INCLUDE_DIR OR NOT ALLEGRO_LIBRARY)
    message(FATAL_ERROR "No static Allegro for Windows: run tools/windows/build-deps and "
        "give its prefix as -DGROUNDLINE_WINDOWS_DEPS=PREFIX")
endif()
add_library(windows_allegro INTERFACE)
target_include_directories(windows_allegro INTERFACE ${ALLEGRO_INCLUDE_DIR})
target_compile_definitions(windows_allegro INTERFACE ALLEGRO_STATICLINK)
target_link_libraries(windows_allegro INTERFACE ${ALLEGRO_LIBRARY}
    kernel32 user32 gdi32 comdlg32 ole32 dinput ddraw dxguid winmm dsound shell32)

# The unpacked zip is the installed game: data/ beside groundline.exe.
set(GROUNDLINE_INSTALL_GAMESDIR "." CACHE STRING "Where the game is installed, under the prefix")
set(GROUNDLINE_INSTALL_GAMEDATADIR "data"
    CACHE STRING "Where the game's data is installed, under the prefix")

# zlib linked in, like the rest, so that the exe needs no DLL beside it.
set(ZLIB_USE_STATIC_LIBS ON)
