#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// What every fuzz target stands on: Allegro without a display in 32-bit
// colour with the ".mz" loader registered, and a private file to hand the
// loaders, which only read by name.

// Sets Allegro up once; later calls do nothing.
void setUpHeadless();

// This process's own scratch file with the extension given (".mz", ".sz",
// ...). The same name comes back for the same extension, so a run leaves one
// file behind, not millions, and those go when the run ends.
std::string scratchPath(const std::string& extension);

// Writes the input to the scratch file with that extension; returns its name.
std::string writeScratchFile(const uint8_t* data, size_t size, const std::string& extension);

// Whether the packed image at the start of the file declares more pixels
// than the game's fonts and sheets have. Such a header is read like any
// other, a white pixel for each missing byte, but big pictures only slow the
// fuzzer down: every pixel takes the same path through the reader.
bool declaresHugeImage(const std::string& path);

// The engine with the settings and catalogue of the shipped data/, loaded
// once, and a canvas to draw into. False when data/ cannot be used, which is
// the harness's fault, not the input's.
bool loadShippedGame();
