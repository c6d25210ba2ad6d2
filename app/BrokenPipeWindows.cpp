#include "app/BrokenPipe.h"

void ignoreBrokenPipes() {}
