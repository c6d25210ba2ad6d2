#include "app/ProcessEnd.h"

#include <cstdlib>

void endProcess(int status) {
    std::exit(status);
}
