#pragma once

class GameSession;

// The heaviest frames the defences make, shared by the benchmarks and the
// browser's timing of them: wave 30's block of 74 squibbles in sight, 20
// towers of all three types firing, 200 bolts and missiles in flight and 400
// effects. Needs the real data/ loaded.

// Bolts leave and missiles hit within a second, so the scene is made afresh
// after this many frames to keep the counts near their marks.
constexpr int kHeavySceneFrames = 20;

// Replaces what is on the session's playfield with the scene; every count
// but the towers' scaled by `scale`. The same scene every time: the random
// sequence starts from a fixed seed.
void buildHeavyScene(GameSession* session, double scale);
