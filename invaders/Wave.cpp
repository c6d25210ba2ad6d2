#include "invaders/Wave.h"

#include "invaders/Invader.h"

Wave::~Wave() {
    for (Invader* invader : invaders)
        delete invader;
}

void Wave::update(double) {
    for (auto it = invaders.begin(); it != invaders.end();) {
        if ((*it)->health <= 0) {
            delete *it;
            it = invaders.erase(it);
        } else {
            ++it;
        }
    }
}

void Wave::drawAll(BITMAP* bitmap) {
    for (Invader* invader : invaders)
        invader->draw(bitmap);
}
