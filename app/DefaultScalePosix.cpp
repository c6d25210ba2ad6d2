#include "app/DefaultScale.h"

#include "app/CommandLine.h"

int defaultScale() {
    return CommandLine::kDefaultScale;
}
