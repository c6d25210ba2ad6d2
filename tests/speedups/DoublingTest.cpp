// The canvas writes each pixel as a square block into a target a whole number
// of times its size; stretch_blit must not be able to tell: the same pixels
// on every target, inside and outside its clip rectangle.

#include "RealGame.h"
#include "SamePixels.h"

#include "app/Canvas.h"
#include "app/Engine.h"
#include "app/Random.h"
#include "defences/Building.h"
#include "game/GameSession.h"
#include "game/PlayfieldScreen.h"
#include "game/TowerType.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A target of the given size, filled with a colour no canvas pixel has, and
// clipped to the rectangle given (x1, y1, x2, y2 inclusive), or unclipped. A
// clip from x1 = -1 means a clip rectangle set and then switched off.
struct Clip {
    int x1, y1, x2, y2;
};

BITMAP* target(int width, int height, const Clip* clip) {
    BITMAP* bitmap = create_bitmap(width, height);
    clear_to_color(bitmap, makecol(1, 2, 3));
    if (clip && clip->x1 < 0) {
        set_clip_rect(bitmap, 10, 10, 20, 20);
        set_clip_state(bitmap, FALSE);
    } else if (clip) {
        set_clip_rect(bitmap, clip->x1, clip->y1, clip->x2, clip->y2);
    }
    return bitmap;
}

// The canvas onto a target, against stretch_blit onto a twin of it.
void expectAsStretchBlit(Canvas& canvas, int width, int height, const Clip* clip = nullptr) {
    SCOPED_TRACE(testing::Message() << width << " x " << height << (clip ? " clipped" : ""));
    BITMAP* enlarged = target(width, height, clip);
    BITMAP* stretched = target(width, height, clip);
    canvas.stretchOnto(enlarged);
    stretch_blit(canvas.bitmap, stretched, 0, 0, canvas.bitmap->w, canvas.bitmap->h, 0, 0, width,
                 height);
    EXPECT_TRUE(samePixels(enlarged, stretched));
    destroy_bitmap(enlarged);
    destroy_bitmap(stretched);
}

// A few seconds of a real game with towers, drawn into the engine's canvas.
void drawARealFrame() {
    GameSession session;
    Random::seed(4);
    session.start();
    session.waveTimer = 0.0;
    session.money = 100000;
    for (int i = 0; i < 8; ++i) {
        Building* tower = makeBuilding(i % 3);
        tower->game = &session;
        tower->setPosition(10 + 38 * i);
        session.buildings.push_back(tower);
    }
    for (int frame = 0; frame < 600; ++frame)
        session.update(1.0 / 60.0);
    PlayfieldScreen(session).draw();
}

} // namespace

TEST(Doubling, GivesStretchBlitsPixelsOnARealFrameAndOnNoise) {
    ASSERT_TRUE(loadRealGame()) << "run from the repository root";
    Canvas& canvas = *Engine::instance().canvas;
    drawARealFrame();
    for (int pass = 0; pass < 2; ++pass) {
        expectAsStretchBlit(canvas, 640, 480);
        expectAsStretchBlit(canvas, 960, 720);
        expectAsStretchBlit(canvas, 320, 240);
        // Not a whole enlargement: stretch_blit itself.
        expectAsStretchBlit(canvas, 640, 479);
        expectAsStretchBlit(canvas, 500, 400);

        Random::seed(9);
        for (int y = 0; y < canvas.bitmap->h; ++y)
            for (int x = 0; x < canvas.bitmap->w; ++x)
                putpixel(canvas.bitmap, x, y,
                         makecol(Random::next() % 256, Random::next() % 256, 0));
    }
}

TEST(Doubling, KeepsToTheTargetsClipRectangleAndSubBitmaps) {
    Canvas canvas(320, 240);
    Random::seed(11);
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            putpixel(canvas.bitmap, x, y, makecol(Random::next() % 256, 0, Random::next() % 256));

    const Clip clips[] = {{0, 0, 639, 479}, {1, 1, 638, 478}, {3, 5, 200, 101},
                          {317, 0, 639, 2}, {0, 477, 7, 479}, {100, 100, 100, 100}};
    for (const Clip& clip : clips)
        expectAsStretchBlit(canvas, 640, 480, &clip);
    const Clip third = {5, 7, 400, 301};
    expectAsStretchBlit(canvas, 960, 720, &third);
    // With clipping off, the clip rectangle no longer counts.
    const Clip ignored = {-1, 0, 0, 0};
    expectAsStretchBlit(canvas, 640, 480, &ignored);

    // A window's worth of a larger bitmap, which must stay untouched around it.
    BITMAP* parents[2];
    for (BITMAP*& parent : parents) {
        parent = create_bitmap(700, 520);
        clear_to_color(parent, makecol(1, 2, 3));
    }
    BITMAP* window = create_sub_bitmap(parents[0], 31, 17, 640, 480);
    canvas.stretchOnto(window);
    stretch_blit(canvas.bitmap, parents[1], 0, 0, 320, 240, 31, 17, 640, 480);
    EXPECT_TRUE(samePixels(parents[0], parents[1]));
    destroy_bitmap(window);
    for (BITMAP* parent : parents)
        destroy_bitmap(parent);
}
