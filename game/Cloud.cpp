#include "game/Cloud.h"

#include "app/Engine.h"
#include "app/Random.h"
#include "game/Layout.h"

#include <allegro.h>

namespace {

struct CloudGroup {
    int clouds;
    int step;
    int jitter;
    int y0;
    int spread;
    double speed;
    int image;
};

// Slowest first, so that the faster, nearer clouds are drawn over them.
constexpr CloudGroup kCloudGroups[] = {
    {6, 60, 30, 50, 10, 0.5, 1}, {4, 80, 30, 50, 10, 1.0, 2},  {3, 110, 30, 48, 8, 1.5, 0},
    {2, 140, 60, 48, 7, 2.0, 4}, {2, 180, 60, 45, 10, 2.5, 3},
};

} // namespace

std::vector<Cloud> makeClouds() {
    std::vector<Cloud> clouds;
    for (const CloudGroup& group : kCloudGroups) {
        for (int k = 0; k < group.clouds; ++k) {
            Cloud cloud;
            cloud.x = k * group.step + Random::next() % group.jitter;
            cloud.y = group.y0 + Random::next() % group.spread;
            cloud.speed = group.speed;
            cloud.image = group.image;
            clouds.push_back(cloud);
        }
    }
    return clouds;
}

void driftClouds(std::vector<Cloud>& clouds, double dt) {
    const Engine& engine = Engine::instance();
    for (Cloud& cloud : clouds) {
        cloud.x -= dt * cloud.speed;
        const BITMAP* image = engine.cloudImages[cloud.image];
        const int width = image ? image->w : 0;
        if (cloud.x < -width)
            cloud.x = layout::kCanvasWidth;
    }
}

void drawBackdrop(const std::vector<Cloud>& clouds, BITMAP* canvas) {
    const Engine& engine = Engine::instance();
    clear_bitmap(canvas);
    if (engine.background)
        blit(engine.background, canvas, 0, 0, 0, 0, engine.background->w, engine.background->h);
    for (const Cloud& cloud : clouds) {
        BITMAP* image = engine.cloudImages[cloud.image];
        if (image)
            masked_blit(image, canvas, 0, 0, static_cast<int>(cloud.x), static_cast<int>(cloud.y),
                        image->w, image->h);
    }
}
