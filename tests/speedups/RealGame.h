#pragma once

// The engine loaded from the shipped data/ and strings.txt once per program,
// as start-up loads it; false when the tests were not started from the
// repository root or data/ is incomplete.
bool loadRealGame();
