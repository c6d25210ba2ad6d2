# What the browser's build differs in before the game's targets are made.

# The static Allegro, libpng and zlib that tools/web/build-deps makes; Allegro
# installs no pkg-config file that names them.
find_path(ALLEGRO_INCLUDE_DIR allegro.h)
find_library(ALLEGRO_LIBRARY NAMES alleg)
if(NOT ALLEGRO_INCLUDE_DIR OR NOT ALLEGRO_LIBRARY)
    message(FATAL_ERROR "No Allegro for the browser: run tools/web/build-deps and "
        "give its prefix as -DGROUNDLINE_WEB_DEPS=PREFIX")
endif()
add_library(web_allegro INTERFACE)
target_include_directories(web_allegro INTERFACE ${ALLEGRO_INCLUDE_DIR})
target_link_libraries(web_allegro INTERFACE ${ALLEGRO_LIBRARY})

find_library(LOADPNG_LIBRARY NAMES loadpng)
find_library(PNG_LIBRARY NAMES png16)
add_library(web_loadpng INTERFACE)
target_link_libraries(web_loadpng INTERFACE ${LOADPNG_LIBRARY} ${PNG_LIBRARY})

# Memory grows with a modder's pictures rather than being guessed at.
add_link_options(-sALLOW_MEMORY_GROWTH=1)

# The programs run under node rather than in a page (the tests, the preview,
# the timing): the machine's own files, read and written where they lie, the
# exit status as the program's, and the WebAssembly compiled as it loads,
# since node's fetch cannot load a file.
function(groundline_for_node target)
    target_link_options(${target} PRIVATE -sENVIRONMENT=node -sNODERAWFS=1 -sEXIT_RUNTIME=1
        -sWASM_ASYNC_COMPILATION=0)
endfunction()
