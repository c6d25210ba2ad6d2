# The browser's build of the preview, whose frames must be the native ones
# byte for byte, and of the heavy frame's timing, to set against the native
# game's. Both run under node from the repository root:
#   node build-web/preview-frames.js FOLDER
#   node build-web/heavy-frame.js
add_executable(preview-frames tools/preview/main.cpp tools/glpack/PngFile.cpp)
target_include_directories(preview-frames PRIVATE tools)
target_link_libraries(preview-frames PRIVATE groundline_core web_loadpng)
groundline_for_node(preview-frames)

add_executable(heavy-frame bench/web/HeavyFrame.cpp bench/HeavyScene.cpp)
target_include_directories(heavy-frame PRIVATE bench tests)
target_link_libraries(heavy-frame PRIVATE groundline_core)
groundline_for_node(heavy-frame)
