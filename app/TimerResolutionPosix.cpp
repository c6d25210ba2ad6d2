#include "app/TimerResolution.h"

TimerResolution::TimerResolution() = default;

TimerResolution::~TimerResolution() = default;
