#pragma once

#include <string>
#include <vector>

// Allegro without a display, in 32-bit colour, with the ".mz" loader
// registered. Every headless test program gets this set up once, before its
// first test, by the environment in Headless.cpp.

// A fresh empty folder under the system's temporary folder, removed at exit.
std::string makeTempFolder();

// Writes bytes to a file, gzip-compressed or as they are.
void writeFile(const std::string& path, const std::vector<unsigned char>& bytes);
void writeGzipFile(const std::string& path, const std::vector<unsigned char>& bytes);

// Loads the shipped data/ into the engine as start-up does, once per test
// program, and fails the calling test when the catalogue is not whole. Run
// from the repository root.
void loadShippedGame();

// Brings every invader kind forward to wave 1 and a boss every bossEvery
// waves, so that a short game meets them all.
void bringEveryKindForward(int bossEvery);
