# Builds for the browser with Debian's emscripten. tools/web/build-deps makes
# the libraries it links and names their prefix in GROUNDLINE_WEB_DEPS.

# Node runs the test programs. Given here, since emcmake's choice adds a flag
# that a newer node than this emscripten expects refuses.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/node CACHE FILEPATH "Runs the built programs")
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# Debian's emcc needs acorn from Debian's node modules, whatever node is first
# on the PATH, and the build's commands do not inherit the configure step's
# environment.
set(ENV{NODE_PATH} /usr/share/nodejs)
foreach(step C_COMPILER CXX_COMPILER C_LINKER CXX_LINKER)
    set(CMAKE_${step}_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
endforeach()

set(GROUNDLINE_WEB_DEPS "" CACHE PATH "The prefix tools/web/build-deps filled")
list(APPEND CMAKE_FIND_ROOT_PATH ${GROUNDLINE_WEB_DEPS})
