#include "app/Sound.h"

void Sound::play(SoundEffect, int) {}

void Sound::toggleMute() {}
