#include "effects/Effect.h"

void Effect::update(double dt) {
    age += dt;
}
