#include "app/Sound.h"

void Sound::play(SoundEffect, int) {}

void Sound::toggleMute() {}

void Sound::setVolume(int) {}

std::vector<std::string> Sound::load(const Engine&) {
    return {};
}

void Sound::open(int, bool, Platform*) {}
