#include "invaders/Wave.h"

#include "defences/TargetLink.h"
#include "invaders/Invader.h"

Wave::~Wave() {
    while (links)
        links->clear();
    for (Invader* invader : invaders)
        delete invader;
}

void Wave::update(double) {
    for (auto it = invaders.begin(); it != invaders.end();) {
        if ((*it)->health <= 0) {
            forget(*it);
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

void Wave::hold(TargetLink* link) {
    link->wave = this;
    link->previous = nullptr;
    link->next = links;
    if (links)
        links->previous = link;
    links = link;
}

void Wave::release(TargetLink* link) {
    if (link->previous)
        link->previous->next = link->next;
    else
        links = link->next;
    if (link->next)
        link->next->previous = link->previous;
    link->wave = nullptr;
    link->previous = nullptr;
    link->next = nullptr;
}

void Wave::forget(const Invader* invader) {
    for (TargetLink* link = links; link;) {
        TargetLink* const following = link->next;
        if (link->invader == invader)
            link->clear();
        link = following;
    }
}
