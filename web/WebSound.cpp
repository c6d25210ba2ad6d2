#include "web/WebSound.h"

#include "app/AllegroSound.h"
#include "app/Engine.h"

#include <allegro.h>
#include <emscripten.h>

namespace {

void showMuteButton(bool soundOn) {
    EM_ASM({ Module.showSound($0 != 0); }, soundOn ? 1 : 0);
}

} // namespace

std::vector<std::string> WebSound::load(const Engine& engine) {
    std::vector<std::string> problems;
    for (int i = 0; i < kSoundEffectCount; ++i) {
        // Read by Allegro too, so that the page takes the files the desktop
        // takes, and times the effects as the desktop does.
        const SoundEffect effect = static_cast<SoundEffect>(i);
        SAMPLE* sample = AllegroSound::loadSample(engine, effect, problems);
        if (!sample)
            continue;
        lengths[i] = static_cast<double>(sample->len) / sample->freq;
        destroy_sample(sample);
        const std::string path = engine.dataFile(engine.settings.get(soundKey(effect)));
        EM_ASM({ Module.decodeSound($0, FS.readFile(UTF8ToString($1))); }, i, path.c_str());
    }
    return problems;
}

void WebSound::open(int volume, bool startMuted, Platform* clock) {
    rules.open(clock, volume, startMuted);
    showMuteButton(!startMuted);
}

void WebSound::play(SoundEffect effect, int x) {
    rules.play(effect, x);
}

void WebSound::toggleMute() {
    rules.toggleMute();
    showMuteButton(!rules.muted());
}

double WebSound::length(SoundEffect effect) const {
    return lengths[static_cast<int>(effect)];
}

void WebSound::startVoice(SoundEffect effect, int volume, int pan, int priority) {
    EM_ASM({ Module.startVoice($0, $1, $2, $3); }, static_cast<int>(effect), volume, pan, priority);
}
