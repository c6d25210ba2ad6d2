// heavy-frame: the heaviest frame of bench/HeavyScene.h, updated and drawn,
// timed with a plain loop so that one program runs natively and, built for
// the browser, under node, which has no Google Benchmark. Prints the sum over
// the scene's frames of each one's best time, divided by their number, in
// microseconds, as defencesHeavyFrame counts them. Run from the repository
// root:
//   build/heavy-frame
//   node build-web/heavy-frame.js

#include "HeavyScene.h"
#include "app/Engine.h"
#include "game/GameSession.h"
#include "game/PlayfieldScreen.h"
#include "support/FakePlatform.h"

#include <allegro.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <string>
#include <vector>

namespace {

constexpr double kFrameTime = 1.0 / 60.0;
// Enough scenes for each frame's best to be one the machine left alone.
constexpr int kScenes = 60;

using Clock = std::chrono::steady_clock;

} // namespace

int main() {
    Engine::initHeadless();
    Engine& engine = Engine::instance();
    FakePlatform still;
    engine.platform = &still;
    const std::vector<std::string> problems = engine.loadData("data");
    for (const std::string& problem : problems)
        std::fprintf(stderr, "heavy-frame: %s\n", problem.c_str());
    if (!problems.empty())
        return 1;

    GameSession* session = new GameSession;
    session->start();
    PlayfieldScreen screen(*session);
    session->health = 1000000;
    session->waveTimer = -1.0;

    std::vector<double> best(kHeavySceneFrames, 1e9);
    for (int scene = 0; scene < kScenes; ++scene) {
        buildHeavyScene(session, 1.0);
        for (double& frameBest : best) {
            const Clock::time_point start = Clock::now();
            session->update(kFrameTime);
            screen.draw();
            const std::chrono::duration<double> took = Clock::now() - start;
            frameBest = std::min(frameBest, took.count());
        }
    }
    const double frame = std::accumulate(best.begin(), best.end(), 0.0) / kHeavySceneFrames;
    std::printf("heavy frame: %.1f us\n", frame * 1e6);

    delete session;
    return 0;
}
