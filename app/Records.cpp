#include "app/Records.h"

int Records::bestWaves() const {
    return 0;
}

void Records::keep(int) {}
