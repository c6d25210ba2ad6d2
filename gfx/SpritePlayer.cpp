#include "gfx/SpritePlayer.h"

#include "gfx/SpriteSheet.h"

#include <allegro.h>

SpritePlayer::SpritePlayer(const SpriteSheet* sheet) : sheet(sheet) {}

void SpritePlayer::advance(float dt) {
    time += dt;
    if (!sheet || static_cast<unsigned>(animation) >= sheet->animationCount)
        return;

    const SpriteAnimation& current = sheet->animations[animation];
    const float cycle = static_cast<float>(current.frameCount) / current.rate;
    if (time < cycle)
        return;

    time -= cycle;
    if (!queue.empty()) {
        animation = queue.front();
        queue.pop_front();
    }
}

void SpritePlayer::setAnimation(int index) {
    animation = index;
    time = 0.0f;
}

void SpritePlayer::playThen(int index, int next) {
    queue.clear();
    queue.push_back(next);
    setAnimation(index);
}

BITMAP* SpritePlayer::currentFrame() const {
    return sheet ? sheet->selectFrame(static_cast<unsigned>(animation), time) : nullptr;
}

void SpritePlayer::draw(BITMAP* bitmap, int x, int y) const {
    if (!bitmap || !sheet)
        return;
    sheet->drawFrame(bitmap, x, y, static_cast<unsigned>(animation), time);
}

int SpritePlayer::frameWidth() const {
    const BITMAP* frame = currentFrame();
    return frame ? frame->w : 0;
}

int SpritePlayer::frameHeight() const {
    const BITMAP* frame = currentFrame();
    return frame ? frame->h : 0;
}
